#pragma once
// The pad capture dialog: hold the buttons on any pad, release, and the
// combination is what was held.

#include <windows.h>

#include <functional>

#include "startup/pad_combination.h"

namespace zent {

void ShowPadBox(HWND owner, const PadCombination& current,
                std::function<void(const PadCombination&)> chosen);

}  // namespace zent
