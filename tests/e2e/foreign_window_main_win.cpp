// zent_foreign_window "<log path>"
// Another program's window, as a front end's would be: it takes the focus when
// it starts and writes down every key and every command that reaches it, so a
// test can show that the launcher never typed into it nor closed it.

#include <windows.h>

#include <string>

#include "e2e_support_win.h"

namespace {

std::wstring g_log;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if ((lParam & (1 << 30)) == 0) {
                const bool alt = (lParam & (1 << 29)) != 0;
                zent::AppendLine(
                    g_log, std::string("key ") + (alt ? "alt+" : "") + std::to_string(wParam));
            }
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                // Noted and refused: the test ends this program itself.
                zent::AppendLine(g_log, "close-command");
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_CLOSE:
            zent::AppendLine(g_log, "close");
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR arguments, int) {
    g_log = arguments;
    std::erase(g_log, L'"');
    if (g_log.empty()) {
        return 2;
    }

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = zent::kForeignWindowClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, zent::kForeignWindowClass, L"Front End", WS_OVERLAPPEDWINDOW,
                                  200, 150, 400, 300, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    zent::AppendLine(g_log, "up");

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
