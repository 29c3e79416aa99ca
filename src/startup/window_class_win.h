#pragma once
// The one way the launcher makes a top-level window: the class registered on
// first use, the window created and counted among the program's open windows
// until it is destroyed. A window that cannot exist ends the launcher with the
// reason.

#include <windows.h>

namespace zent {

// A class of top-level windows and the styles its windows are created with.
struct WindowClass {
    const wchar_t* name;
    WNDPROC procedure;
    // Names its window in the error message: "launch window".
    const char* what;
    DWORD style;
    DWORD extendedStyle = 0;
    HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    // The application icon in the frame and the taskbar.
    bool withIcon = false;
};

// Creates a window of the class without owner; position and size as
// CreateWindowEx takes them (CW_USEDEFAULT: where and as large as Windows
// chooses). Its class and window are Unicode, as its controls are.
HWND CreateTopLevelWindow(const WindowClass& windowClass, const wchar_t* title, POINT position,
                          SIZE size);

}  // namespace zent
