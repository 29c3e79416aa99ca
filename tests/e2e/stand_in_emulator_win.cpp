// A stand-in for the emulator, for the end-to-end tests and the demo: it reacts
// to the keys the launcher sends as the real emulator's menus do, and writes
// down everything it received in "zentavio_standin.log" beside itself, one
// line at a time, so a test can read it while the program still runs.
//
// The menu keys are handled in this window procedure rather than by a real
// menu bar: the system's own menu loop can lose keys when the machine is busy,
// which would make the tests fail for reasons that have nothing to do with the
// launcher.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_support_win.h"
#include "fnv1a.h"
#include "stand_in_controls.h"
#include "stand_in_protocol.h"

namespace zent {

namespace {

enum Timer : UINT_PTR { kShowLateWindow = 1, kShowBox, kReleaseHeldKey };

UINT g_checkBackdrop = 0;
std::wstring g_folder;
std::string g_programName;
StandInControls g_controls;
// The test's mode: its name and its argument, "" and 0 when none.
std::string g_mode;
unsigned g_modeArgument = 0;

void SplitOwnPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    const auto slash = full.find_last_of(L'\\');
    g_folder = full.substr(0, slash);
    const std::wstring name = full.substr(slash + 1);
    g_programName.assign(name.begin(), name.end());
}

void Log(const std::string& line) {
    AppendLine(g_folder + L"\\" + kStandInLogName, line);
}

std::string ConfigDigest() {
    const std::optional<std::string> bytes = ReadWholeFile(g_folder + L"\\zentavio.cfg");
    return bytes ? Fnv1aHex(*bytes) : "missing";
}

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08lx", value);
    return text;
}

// The first visible window under this one that belongs to another process:
// the launcher's backdrop when the placement worked.
std::string DescribeWindowBelow(HWND window) {
    DWORD ownProcess = GetCurrentProcessId();
    for (HWND below = GetWindow(window, GW_HWNDNEXT); below != nullptr;
         below = GetWindow(below, GW_HWNDNEXT)) {
        DWORD process = 0;
        GetWindowThreadProcessId(below, &process);
        if (!IsWindowVisible(below) || process == ownProcess) {
            continue;
        }
        RECT rect{};
        GetWindowRect(below, &rect);
        const bool fullScreen = rect.left <= 0 && rect.top <= 0 &&
                                rect.right >= GetSystemMetrics(SM_CXSCREEN) &&
                                rect.bottom >= GetSystemMetrics(SM_CYSCREEN);
        return " below-pid=" + std::to_string(process) + " below-x=" + std::to_string(rect.left) +
               " below-y=" + std::to_string(rect.top) +
               " below-w=" + std::to_string(rect.right - rect.left) +
               " below-h=" + std::to_string(rect.bottom - rect.top) +
               " below-full-screen=" + (fullScreen ? "1" : "0");
    }
    return " below-pid=none";
}

// What the middle of the screen shows as the emulator starts, before it has a
// window: its colour and the process of the window there.
void LogScreenAtStart() {
    const POINT middle{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
    HDC screen = GetDC(nullptr);
    const bool black = GetPixel(screen, middle.x, middle.y) == RGB(0, 0, 0);
    ReleaseDC(nullptr, screen);
    DWORD process = 0;
    GetWindowThreadProcessId(WindowFromPoint(middle), &process);
    Log(std::string("screen-at-start black=") + (black ? "1" : "0") +
        " pid=" + std::to_string(process));
}

// One line with everything a test checks about the window at a given moment.
void LogSnapshot(HWND window, const std::string& occasion) {
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT cursor{};
    GetCursorPos(&cursor);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const auto exStyle = static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE));
    Log("snapshot " + occasion +
        " style=" + Hex(static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE))) +
        " exstyle=" + Hex(exStyle) + " x=" + std::to_string(rect.left) +
        " y=" + std::to_string(rect.top) + " w=" + std::to_string(rect.right - rect.left) +
        " h=" + std::to_string(rect.bottom - rect.top) + " client-y=" + std::to_string(client.y) +
        " topmost=" + ((exStyle & WS_EX_TOPMOST) ? "1" : "0") +
        " foreground=" + (GetForegroundWindow() == window ? "1" : "0") +
        " cursor-x=" + std::to_string(cursor.x) + " cursor-y=" + std::to_string(cursor.y) +
        " speed=" + std::to_string(g_controls.speed()) + DescribeWindowBelow(window));
}

// How long after its process was created the window was up: the emulator's
// contract gives it 500 ms, and the launcher waits for it beyond that.
std::string ReadyMilliseconds() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return std::to_string((ticks(now) - ticks(created)) / 10000);
}

// Looks through a small hole in the middle of this window at what lies below:
// the launcher's backdrop must show black there. The owner of the window below
// repaints the uncovered spot, so the colour is polled for a while.
void LogBackdropPixel(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const POINT middle{rect.left + width / 2, rect.top + height / 2};
    HRGN shape = CreateRectRgn(0, 0, width, height);
    HRGN hole = CreateRectRgn(width / 2 - 8, height / 2 - 8, width / 2 + 8, height / 2 + 8);
    CombineRgn(shape, shape, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowRgn(window, shape, TRUE);
    HDC screen = GetDC(nullptr);
    COLORREF colour = CLR_INVALID;
    for (int attempt = 0; attempt < 50; ++attempt) {
        Sleep(20);
        colour = GetPixel(screen, middle.x, middle.y);
        if (colour == RGB(0, 0, 0)) {
            break;
        }
    }
    ReleaseDC(nullptr, screen);
    SetWindowRgn(window, nullptr, TRUE);
    char text[16];
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    Log(std::string("backdrop-pixel ") + text + DescribeWindowBelow(window));
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH background = CreateSolidBrush(kStandInBackground);
    FillRect(dc, &client, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    std::vector<std::string> lines = {"Zentavio stand-in emulator (" + g_programName + ")", ""};
    for (const auto& line : g_controls.Describe()) {
        lines.push_back(line);
    }
    int y = 40;
    for (const auto& line : lines) {
        TextOutA(dc, 40, y, line.c_str(), static_cast<int>(line.size()));
        y += 24;
    }
    EndPaint(window, &paint);
}

void OnKeyDown(HWND window, WPARAM key, LPARAM flags) {
    const bool repeat = (flags & (1 << 30)) != 0;
    const bool alt = (flags & (1 << 29)) != 0;
    if (repeat || key == VK_MENU || key == VK_SHIFT || key == VK_CONTROL) {
        return;
    }
    if (alt && key == VK_F4) {
        // A dialog takes Alt+F4 for itself, as the emulator's real dialogs do.
        if (g_controls.CloseDialog()) {
            Log("key alt+f4 drive-dialog-closed");
            InvalidateRect(window, nullptr, FALSE);
            return;
        }
        Log("key alt+f4");
        PostMessageW(window, WM_CLOSE, 0, 0);
        return;
    }
    const KeyReaction reaction = g_controls.Press(static_cast<int>(key), alt);
    for (const auto& line : reaction.lines) {
        Log(line);
        if (line == kDriveDialog && g_mode == kModeHoldKeyInDriveDialog) {
            Log("holding key " + std::to_string(g_modeArgument));
            keybd_event(static_cast<BYTE>(g_modeArgument), 0, 0, 0);
            SetTimer(window, kReleaseHeldKey, kHeldKeyMs, nullptr);
        }
        if (line == kStartGame && g_mode == kModeBoxAfterStart) {
            SetTimer(window, kShowBox, g_modeArgument, nullptr);
        }
    }
    if (!reaction.consumed) {
        // Any other key, such as the launcher's exit key while the user holds it.
        Log("key " + std::to_string(key));
        LogSnapshot(window, "key");
    }
    InvalidateRect(window, nullptr, FALSE);
}

// Shows the window and takes the focus, as the emulator does when it is up.
void ShowUp(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    const std::string readyMs = ReadyMilliseconds();
    SetForegroundWindow(window);
    UpdateWindow(window);
    LogSnapshot(window, "start ready-ms=" + readyMs);
}

void OnTimer(HWND window, Timer timer) {
    switch (timer) {
        case kShowLateWindow:
            ShowUp(window);
            break;
        case kShowBox:
            // Modal, owned by the game's window, as the emulator's own boxes are.
            Log("box shown");
            MessageBoxW(window, L"Disc read error", L"Zentavio", MB_OK | MB_ICONERROR);
            Log("box closed");
            break;
        case kReleaseHeldKey:
            keybd_event(static_cast<BYTE>(g_modeArgument), 0, KEYEVENTF_KEYUP, 0);
            Log("released key " + std::to_string(g_modeArgument));
            break;
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            OnKeyDown(window, wParam, lParam);
            return 0;
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            // Kept from the default handling, which would enter the system's menu loop.
            return 0;
        case WM_GETMINMAXINFO: {
            // The launcher makes the window 20 pixels taller than the screen.
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMaxTrackSize.x = info->ptMaxSize.x = 4 * GetSystemMetrics(SM_CXSCREEN);
            info->ptMaxTrackSize.y = info->ptMaxSize.y = 4 * GetSystemMetrics(SM_CYSCREEN);
            return 0;
        }
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                Log("deactivated");
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                Log("close-command");
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_TIMER:
            KillTimer(window, wParam);
            OnTimer(window, static_cast<Timer>(wParam));
            return 0;
        case WM_CLOSE:
            if (g_mode == kModeQuitQuestion) {
                Log("quit-question");
                const bool quit =
                    MessageBoxW(window, L"Quit?", L"Zentavio", MB_YESNO | MB_ICONQUESTION) == IDYES;
                Log(quit ? "quit-question yes" : "quit-question no");
                if (!quit) {
                    return 0;
                }
            }
            LogSnapshot(window, "close");
            Log("closed");
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            if (message == g_checkBackdrop && message != 0) {
                LogBackdropPixel(window);
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// How a test wants the emulator to misbehave: the first word of
// "zentavio_standin.mode" beside it, if that file exists, and the number after it.
void ReadMode() {
    const std::string text = ReadWholeFile(g_folder + L"\\" + kStandInModeName).value_or("");
    const auto end = text.find_first_of(" \r\n");
    g_mode = text.substr(0, end);
    if (end != std::string::npos) {
        g_modeArgument = static_cast<unsigned>(std::strtoul(text.c_str() + end, nullptr, 10));
    }
}

int Run(HINSTANCE instance) {
    SplitOwnPath();
    Log("program " + g_programName);
    Log("config-digest " + ConfigDigest());
    Log("pid " + std::to_string(GetCurrentProcessId()));
    LogScreenAtStart();
    ReadMode();
    if (g_mode == kModeExitAtOnce) {
        return kExitAtOnceCode;
    }
    if (g_mode == kModeNoWindow) {
        // Ends by itself long after the launcher's wait, should no one end it.
        Sleep(30000);
        return 0;
    }

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kStandInClass;
    RegisterClassW(&windowClass);
    g_checkBackdrop = RegisterWindowMessageW(kCheckBackdropMessage);

    // Starts as a framed tool window with a system menu, so that the tests can
    // see every bit the launcher must strip, and one (accept-files) it must keep.
    const std::wstring title =
        L"Zentavio - " + std::wstring(g_programName.begin(), g_programName.end());
    // With a menu bar, as the emulator's, which the launcher hides above the screen.
    HMENU menuBar = CreateMenu();
    AppendMenuW(menuBar, MF_STRING, 1, L"&Options");
    AppendMenuW(menuBar, MF_STRING, 2, L"&Run");
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES, kStandInClass,
                                  title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 80,
                                  640, 480, nullptr, menuBar, instance, nullptr);
    if (g_mode == kModeLateWindow) {
        // Hidden at first while its message loop already runs, as a program
        // that loads before it shows itself.
        SetTimer(window, kShowLateWindow, kLateWindowDelayMs, nullptr);
    } else {
        ShowUp(window);
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

}  // namespace zent

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return zent::Run(instance);
}
