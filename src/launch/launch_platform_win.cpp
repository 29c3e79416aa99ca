#include "launch/launch_platform_win.h"

#include "launch/frm_blank_win.h"
#include "startup/fatal_error.h"
#include "startup/file_system_win.h"

namespace zent {

static_assert(kKeyTab == VK_TAB);
static_assert(kKeyReturn == VK_RETURN);
static_assert(kKeyAlt == VK_MENU);
static_assert(kKeyRight == VK_RIGHT);
static_assert(kKeyDown == VK_DOWN);
static_assert(kKeyO == 'O');
static_assert(kKeyR == 'R');
static_assert(kKeyAdd == VK_ADD);
static_assert(kKeySubtract == VK_SUBTRACT);
static_assert(kKeyF4 == VK_F4);
static_assert(kKeyEventKeyUp == KEYEVENTF_KEYUP);
static_assert(kScreenWidthMetric == SM_CXSCREEN);
static_assert(kScreenHeightMetric == SM_CYSCREEN);
static_assert(kStyleIndex == GWL_STYLE);
static_assert(kExtendedStyleIndex == GWL_EXSTYLE);
static_assert(kSysMenuStyle == WS_SYSMENU);
static_assert(kThickFrameStyle == WS_THICKFRAME);
static_assert(kCaptionStyle == WS_CAPTION);
static_assert(kToolWindowExtendedStyle == WS_EX_TOOLWINDOW);
static_assert(kPositionNoSize == SWP_NOSIZE);
static_assert(kPositionNoMove == SWP_NOMOVE);
static_assert(kPositionNoZOrder == SWP_NOZORDER);
static_assert(kPositionNoActivate == SWP_NOACTIVATE);
static_assert(kPositionFrameChanged == SWP_FRAMECHANGED);
static_assert(kPositionShowWindow == SWP_SHOWWINDOW);
static_assert(kShowNormal == SW_SHOWNORMAL);

namespace {

HWND Window(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

}  // namespace

void WindowsLaunchPlatform::KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                                          std::uintptr_t extraInfo) {
    keybd_event(key, scanCode, flags, extraInfo);
}

void WindowsLaunchPlatform::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::uint16_t WindowsLaunchPlatform::KeyState(std::int32_t key) {
    return static_cast<std::uint16_t>(GetKeyState(key));
}

WindowHandle WindowsLaunchPlatform::ForegroundWindow() {
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

ProcessId WindowsLaunchPlatform::WindowProcess(WindowHandle window) {
    DWORD process = 0;
    if (window != 0) {
        GetWindowThreadProcessId(Window(window), &process);
    }
    return process;
}

std::int32_t WindowsLaunchPlatform::SystemMetric(int index) {
    return GetSystemMetrics(index);
}

void WindowsLaunchPlatform::MoveCursor(int x, int y) {
    SetCursorPos(x, y);
}

// HWND_TOP and HWND_TOPMOST are the handle values 0 and -1, as kInsertAtTop and
// kInsertTopMost hold them.
void WindowsLaunchPlatform::PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                        int width, int height, std::uint32_t flags) {
    SetWindowPos(Window(window), Window(insertAfter), x, y, width, height, flags);
}

std::int32_t WindowsLaunchPlatform::ReadWindowLong(WindowHandle window, int index) {
    return GetWindowLongA(Window(window), index);
}

void WindowsLaunchPlatform::WriteWindowLong(WindowHandle window, int index, std::int32_t value) {
    SetWindowLongA(Window(window), index, value);
}

WindowHandle WindowsLaunchPlatform::ShowBackdrop() {
    return reinterpret_cast<WindowHandle>(ShowFrmBlank());
}

void WindowsLaunchPlatform::ChangeCurrentFolder(const std::string& folder) {
    SetCurrentFolder(folder);
}

void WindowsLaunchPlatform::CopyFileOver(const std::string& source, const std::string& target) {
    ReplaceWithCopy(ActiveFileSystem(), source, target);
}

ProcessId WindowsLaunchPlatform::StartProgram(const std::string& path, int showWindow) {
    DWORD processId = 0;
    const HANDLE process = StartProcess(path, showWindow, processId);
    if (startedProcess_ != nullptr) {
        CloseHandle(startedProcess_);
    }
    startedProcess_ = process;
    return processId;
}

void WindowsLaunchPlatform::AwaitProgramReady(std::uint32_t timeoutMilliseconds) {
    if (startedProcess_ != nullptr) {
        WaitForInputIdle(startedProcess_, timeoutMilliseconds);
    }
}

void WindowsLaunchPlatform::StartTimer(std::uint32_t milliseconds) {
    if (SetTimer(timerWindow_, timerId_, milliseconds, nullptr) == 0) {
        Fail(kOutOfMemory, "The exit-key watcher could not be started (Windows error " +
                               std::to_string(GetLastError()) +
                               "). Close some programs and try again.");
    }
}

void WindowsLaunchPlatform::EndProcess() {
    ExitProcess(0);
}

}  // namespace zent
