#include "launch/frm_blank_win.h"

#include "startup/fatal_error_win.h"
#include "startup/message_loop_win.h"
#include "startup/window_class_win.h"

namespace zent {

namespace {

constexpr const char* kClassName = "ZentavioWrapperBlank";
HWND g_frmBlank = nullptr;

LRESULT CALLBACK FrmBlankProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedWindowCall(window, message, wParam, lParam, [&]() -> LRESULT {
        switch (message) {
            case WM_CREATE:
                TopLevelWindowOpened();
                return 0;
            case WM_NCDESTROY:
                g_frmBlank = nullptr;
                TopLevelWindowClosed();
                return 0;
            default:
                return DefWindowProcA(window, message, wParam, lParam);
        }
    });
}

void RegisterFrmBlankClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FrmBlankProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterWindowClassOnce(windowClass, "backdrop window");
}

HWND CreateFrmBlank() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterFrmBlankClass(instance);
    // Maximized from its creation, and never activated, not even by a click:
    // the emulator in front of it keeps the keyboard throughout.
    return RequireWindow(
        CreateWindowExA(WS_EX_NOACTIVATE, kClassName, "Form2", WS_POPUP | WS_MAXIMIZE, 0, 0,
                        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                        nullptr, instance, nullptr),
        "backdrop window");
}

}  // namespace

HWND ShowFrmBlank() {
    if (g_frmBlank == nullptr) {
        g_frmBlank = CreateFrmBlank();
    }
    ShowWindow(g_frmBlank, SW_SHOWNA);
    return g_frmBlank;
}

}  // namespace zent
