#pragma once

#include <windows.h>

namespace zent {

// Shows frmBlank, the black borderless backdrop behind the emulator's window,
// maximized and without owner; it is created on first use and never closed by
// the launcher. Returns its window.
HWND ShowFrmBlank();

}  // namespace zent
