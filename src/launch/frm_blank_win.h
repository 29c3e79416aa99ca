#pragma once

#include <windows.h>

namespace zent {

// Shows frmBlank, the black borderless backdrop behind the emulator's window,
// maximized and without owner, over area, in front of the other ordinary
// windows and without taking the focus; it is created on first use. Returns its window.
HWND ShowFrmBlank(const RECT& area);
// Closes it, the launcher's last act after a game, once the front end has the
// foreground back.
void CloseFrmBlank();

}  // namespace zent
