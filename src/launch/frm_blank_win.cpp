#include "launch/frm_blank_win.h"

#include "startup/fatal_error.h"
#include "startup/fatal_error_win.h"
#include "startup/message_loop_win.h"

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
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FrmBlankProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) {
        Fail(kOutOfMemory, "The backdrop window could not be registered (Windows error " +
                               std::to_string(GetLastError()) + ").");
    }
    registered = true;
}

HWND CreateFrmBlank() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterFrmBlankClass(instance);
    const HWND window =
        CreateWindowExA(0, kClassName, "Form2", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        Fail(kOutOfMemory, "The backdrop window could not be created (Windows error " +
                               std::to_string(GetLastError()) + ").");
    }
    return window;
}

}  // namespace

HWND ShowFrmBlank() {
    if (g_frmBlank == nullptr) {
        g_frmBlank = CreateFrmBlank();
    }
    ShowWindow(g_frmBlank, SW_SHOWMAXIMIZED);
    return g_frmBlank;
}

}  // namespace zent
