// The launch form Form1: a hidden window that exists to run the launch when it
// loads and to carry the exit-key watcher's timer afterwards.

#include "launch/form1_win.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "launch/exit_key.h"
#include "launch/form1.h"
#include "launch/frm_blank_win.h"
#include "launch/launch_platform_win.h"
#include "launch/launch_state.h"
#include "startup/fatal_error_win.h"
#include "startup/window_class_win.h"

namespace zent {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr int kClientWidthTwips = 1725;
constexpr int kClientHeightTwips = 420;
constexpr int kTwipsPerInch = 1440;

HWND g_form1 = nullptr;
std::optional<WindowsLaunchPlatform> g_platform;

// The front end gets the foreground back while the backdrop still covers the
// screen, then the backdrop goes and the launcher ends.
[[noreturn]] void EndAfterGame() {
    ReturnToFrontEnd(*g_platform, *g_platform, *g_platform, *g_platform);
    CloseFrmBlank();
    ExitProcess(0);
}

LRESULT CALLBACK Form1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedWindowCall(window, message, wParam, lParam, [&]() -> LRESULT {
        switch (message) {
            case WM_TIMER:
                if (wParam == kTimer1 && g_platform && Timer1_Timer(g_platform->Parts())) {
                    // The close waits with the messages handled: no tick may start it again.
                    KillTimer(window, kTimer1);
                    CloseEmulatorForExit(*g_platform, *g_platform, *g_platform, *g_platform);
                    EndAfterGame();
                }
                return 0;
            case WM_NCDESTROY:
                // The platform stays: the closing of the emulator may be under
                // way below this message, and it holds the emulator's job.
                g_form1 = nullptr;
                return 0;
            default:
                return DefWindowProcW(window, message, wParam, lParam);
        }
    });
}

// The same icon as the Settings window: the launch form shows in the taskbar.
const WindowClass kForm1Class{.name = L"ZentavioWrapperForm1",
                              .procedure = kCounted<Form1Proc>,
                              .what = "launch window",
                              .style = WS_OVERLAPPEDWINDOW,
                              .withIcon = true};

void Form_Initialize() {
    InitCommonControls();
}

// The window's size whose client area is the form's size in twips at the
// screen's resolution.
SIZE Form1Size() {
    const HDC screen = GetDC(nullptr);
    const int dotsX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dotsY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT rectangle{0, 0, MulDiv(kClientWidthTwips, dotsX, kTwipsPerInch),
                   MulDiv(kClientHeightTwips, dotsY, kTwipsPerInch)};
    AdjustWindowRectEx(&rectangle, kForm1Class.style, FALSE, kForm1Class.extendedStyle);
    return SIZE{rectangle.right - rectangle.left, rectangle.bottom - rectangle.top};
}

}  // namespace

void LoadForm1(const std::string& gameName) {
    if (g_form1 != nullptr) {
        return;
    }
    Launch.GameName = gameName;
    Form_Initialize();
    g_form1 = CreateTopLevelWindow(kForm1Class, kProgramTitle, {CW_USEDEFAULT, CW_USEDEFAULT},
                                   Form1Size());
    g_platform.emplace();
    AnswerBoxesWithPads(&g_platform->Parts().pads);
    SetFatalStopEpilogue([] {
        ReturnToFrontEnd(*g_platform, *g_platform, *g_platform, *g_platform);
        CloseFrmBlank();
    });
    switch (Form_Load(g_platform->Parts())) {
        case LaunchResult::kLaunched:
            if (SetTimer(g_form1, kTimer1, kTimer1Interval, nullptr) == 0) {
                FailWindowsResource("The exit-key watcher could not be started");
            }
            return;
        case LaunchResult::kExitKey:
            EndAfterGame();
        case LaunchResult::kGameNotFound:
        case LaunchResult::kAnotherLaunchRuns:
            ExitProcess(0);
    }
}

// Shown after the launch, so minimized: showing it activated would take the
// keyboard from the emulator the launch has just put in front.
void ShowForm1(const std::string& gameName) {
    LoadForm1(gameName);
    ShowWindow(g_form1, SW_SHOWMINNOACTIVE);
}

}  // namespace zent
