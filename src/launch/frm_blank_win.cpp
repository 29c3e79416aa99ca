#include "launch/frm_blank_win.h"

#include "startup/fatal_error_win.h"
#include "startup/window_class_win.h"

namespace zent {

namespace {

HWND g_frmBlank = nullptr;

LRESULT CALLBACK FrmBlankProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedWindowCall(window, message, wParam, lParam, [&]() -> LRESULT {
        if (message == WM_NCDESTROY) {
            g_frmBlank = nullptr;
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    });
}

HWND CreateFrmBlank(const RECT& area) {
    // Maximized from its creation, and never activated, not even by a click:
    // the emulator in front of it keeps the keyboard throughout.
    const WindowClass frmBlankClass{
        .name = L"ZentavioWrapperBlank",
        .procedure = kCounted<FrmBlankProc>,
        .what = "backdrop window",
        .style = WS_POPUP | WS_MAXIMIZE,
        .extendedStyle = WS_EX_NOACTIVATE,
        .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)),
    };
    return CreateTopLevelWindow(frmBlankClass, L"Form2", {area.left, area.top},
                                {area.right - area.left, area.bottom - area.top});
}

}  // namespace

// Painted before this returns: the launch goes on to start the emulator at
// once, and a backdrop waiting for its WM_PAINT would leave the desktop in
// sight until the launch next handles its messages.
HWND ShowFrmBlank(const RECT& area) {
    if (g_frmBlank == nullptr) {
        g_frmBlank = CreateFrmBlank(area);
    }
    SetWindowPos(g_frmBlank, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(g_frmBlank, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return g_frmBlank;
}

void CloseFrmBlank() {
    if (g_frmBlank != nullptr) {
        DestroyWindow(g_frmBlank);
    }
}

}  // namespace zent
