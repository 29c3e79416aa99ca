#pragma once
// Window classes and windows of the launcher, registered and created with one
// failure path: a window that cannot exist ends the launcher with the reason.

#include <windows.h>

namespace zent {

// Registers the class unless this process already has it; what names the window
// in the error ("the launch window").
void RegisterWindowClassOnce(const WNDCLASSA& windowClass, const char* what);

// Ends in the fatal error stop when CreateWindowEx gave no window.
HWND RequireWindow(HWND window, const char* what);

}  // namespace zent
