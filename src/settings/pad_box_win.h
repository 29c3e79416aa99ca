#pragma once
// The pad exit's capture dialog "Pad Exit": the buttons held on any pad, once
// released, become the combination that ends a game.

#include <windows.h>

#include <functional>

#include "pads/pad_combination.h"

namespace zent {

// Its controls, for the programs that drive it under Wine. Cancel has the
// number Windows gives Escape in a dialog, so that Escape presses it.
enum PadBoxControlId : int {
    kCmdPadCancel = IDCANCEL,
    kLblPadPrompt = 400,
    kLblPadNow,
    kCmdPadOff,
};

// Opens the dialog over owner (none: where Windows places new windows) showing
// current, or brings the open one to the front with the newer current and
// chosen. chosen gets the captured combination, or PadCombination{} for Off;
// Cancel, Escape, the close button and 6 s without a press close the dialog
// without calling it.
void ShowPadBox(HWND owner, const PadCombination& current,
                std::function<void(const PadCombination&)> chosen);
// Closes the open dialog, if any, without calling chosen.
void ClosePadBox();

}  // namespace zent
