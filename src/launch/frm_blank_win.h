#pragma once

#include <windows.h>

namespace zent {

// Shows frmBlank, the black borderless backdrop behind the emulator's window,
// maximized and without owner; it is created on first use. Returns its window.
HWND ShowFrmBlank();
// Closes it, the launcher's last act after a game, once the front end has the
// foreground back.
void CloseFrmBlank();

}  // namespace zent
