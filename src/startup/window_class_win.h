#pragma once
// The one way the launcher makes a top-level window: the class registered on
// first use, the window created and counted among the program's open windows
// until it is destroyed. A window that cannot exist ends the launcher with the
// reason.

#include <windows.h>

#include "startup/message_loop_win.h"

namespace zent {

// A window procedure that counts its window closed at its last message,
// whatever Procedure does with it. Not a subclass: comctl32's subclassing
// looks its data up with GetProp at every message, and where window
// properties live in the window server (Wine) that is three round trips per
// message, which would triple the cost of every tick of the exit-key watcher.
template <WNDPROC Procedure>
LRESULT CALLBACK CountedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Procedure(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        TopLevelWindowClosed();
    }
    return result;
}

// The procedure of a top-level window class; only kCounted makes one, so that
// no class leaves the counting out.
class TopLevelProcedure {
public:
    WNDPROC counted() const { return counted_; }

private:
    template <WNDPROC Procedure>
    friend struct CountedMaker;
    constexpr explicit TopLevelProcedure(WNDPROC counted) : counted_(counted) {}
    WNDPROC counted_;
};

template <WNDPROC Procedure>
struct CountedMaker {
    static constexpr TopLevelProcedure kMade{&CountedProcedure<Procedure>};
};
template <WNDPROC Procedure>
inline constexpr TopLevelProcedure kCounted = CountedMaker<Procedure>::kMade;

// A class of top-level windows and the styles its windows are created with.
struct WindowClass {
    const wchar_t* name;
    TopLevelProcedure procedure;
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
