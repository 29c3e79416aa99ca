#include "launch/launch_platform_win.h"

#include <tlhelp32.h>

#include <cwchar>
#include <iterator>

#include "launch/displays_win.h"
#include "launch/frm_blank_win.h"
#include "launch/program_job_win.h"
#include "startup/fatal_error.h"
#include "startup/fatal_error_win.h"
#include "startup/file_system_win.h"
#include "startup/message_loop_win.h"
#include "startup/text_locale_win.h"
#include "startup/trace.h"

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
    return GetWindowLongW(Window(window), index);
}

void WindowsLaunchPlatform::WriteWindowLong(WindowHandle window, int index, std::int32_t value) {
    SetWindowLongW(Window(window), index, value);
}

WindowHandle WindowsLaunchPlatform::ShowBackdrop(const DisplayArea& area) {
    const RECT rect{area.left, area.top, area.left + area.width, area.top + area.height};
    CentreBoxesOn(rect);
    return reinterpret_cast<WindowHandle>(ShowFrmBlank(rect));
}

std::vector<ConnectedDisplay> WindowsLaunchPlatform::Displays() {
    return ConnectedDisplays();
}

// Both in screen coordinates of the launcher, which is per-monitor aware: for a
// window that Windows scales, the rows it shows.
int WindowsLaunchPlatform::RowsAboveClient(WindowHandle window) {
    RECT frame{};
    POINT client{0, 0};
    if (!GetWindowRect(Window(window), &frame) || !ClientToScreen(Window(window), &client)) {
        return 0;
    }
    return static_cast<int>(client.y - frame.top);
}

// Started suspended, so that the emulator and anything it starts are in the
// job before its first instruction runs.
ProcessId WindowsLaunchPlatform::StartProgram(const std::string& path, int showWindow) {
    const PROCESS_INFORMATION started = StartProcess(path, showWindow, CREATE_SUSPENDED);
    // The launcher may take the foreground, having been started by the program
    // in front; the emulator may not, unless the launcher passes that right on.
    AllowSetForegroundWindow(started.dwProcessId);
    if (job_ == nullptr) {
        job_ = JoinJobEndingWithLauncher(started.hProcess);
    }
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
    if (startedProcess_ != nullptr) {
        CloseHandle(startedProcess_);
    }
    startedProcess_ = started.hProcess;
    startedProcessEnded_ = false;
    return started.dwProcessId;
}

std::optional<std::uint32_t> WindowsLaunchPlatform::ProgramExitCode() {
    DWORD code = 0;
    if (startedProcess_ == nullptr || WaitForSingleObject(startedProcess_, 0) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(startedProcess_, &code)) {
        return std::nullopt;
    }
    return code;
}

void WindowsLaunchPlatform::EndProgram() {
    if (startedProcess_ != nullptr) {
        TerminateProcess(startedProcess_, 1);
    }
}

std::vector<WindowHandle> WindowsLaunchPlatform::ProcessWindows(ProcessId process) {
    struct Search {
        ProcessId process;
        std::vector<WindowHandle> windows;
    } search{process, {}};
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            auto* search = reinterpret_cast<Search*>(found);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->process && IsWindowVisible(window)) {
                search->windows.push_back(reinterpret_cast<WindowHandle>(window));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::string WindowsLaunchPlatform::WindowTitle(WindowHandle window) {
    wchar_t title[256] = {};
    GetWindowTextW(Window(window), title, 256);
    return Utf8(title);
}

// Posted, not sent: an emulator that hangs must not hang the launcher with it.
void WindowsLaunchPlatform::CloseWindow(WindowHandle window) {
    PostMessageW(Window(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

WindowHandle WindowsLaunchPlatform::RootOwner(WindowHandle window) {
    return reinterpret_cast<WindowHandle>(GetAncestor(Window(window), GA_ROOTOWNER));
}

bool WindowsLaunchPlatform::BringToFront(WindowHandle window) {
    return SetForegroundWindow(Window(window)) != FALSE;
}

// The front end started the launcher; Windows keeps no link to it but its
// process id in the launcher's entry of the process list.
void WindowsLaunchPlatform::AllowStarterToTakeForeground() {
    const HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (processes == INVALID_HANDLE_VALUE) {
        return;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(processes, &entry); more;
         more = Process32NextW(processes, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) {
            AllowSetForegroundWindow(entry.th32ParentProcessID);
            break;
        }
    }
    CloseHandle(processes);
}

ProcessId WindowsLaunchPlatform::LauncherProcess() {
    return GetCurrentProcessId();
}

std::uint64_t WindowsLaunchPlatform::Milliseconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    // Whole seconds first: the count times 1000 would overflow after weeks of
    // uptime where the counter runs at the processor's clock.
    const auto count = static_cast<std::uint64_t>(now.QuadPart);
    const auto perSecond = static_cast<std::uint64_t>(frequency.QuadPart);
    return count / perSecond * 1000 + count % perSecond * 1000 / perSecond;
}

// The launcher's windows (the backdrop, the Settings window hidden for Test
// Game) go on handling their messages, so that none is taken for hung. Input
// already in the queue wakes it too (MWMO_INPUTAVAILABLE), so none waits for
// the next message.
bool WindowsLaunchPlatform::Wait(std::uint32_t milliseconds) {
    const std::uint64_t deadline = Milliseconds() + milliseconds;
    const DWORD handles = startedProcess_ != nullptr && !startedProcessEnded_ ? 1 : 0;
    DWORD woken = MsgWaitForMultipleObjectsEx(handles, &startedProcess_, milliseconds, QS_ALLINPUT,
                                              MWMO_INPUTAVAILABLE);
    if (woken == WAIT_OBJECT_0 + handles && !HandleQueuedMessages()) {
        // The quit is kept for the message loop, and until then it would wake
        // every wait at once: what is left of this wait's time (not all of it
        // again) is on the program alone, or on the launcher's own process,
        // which cannot end under it, when none is to be waited on.
        const std::uint64_t now = Milliseconds();
        const auto left = static_cast<DWORD>(now < deadline ? deadline - now : 0);
        woken = WaitForSingleObject(handles == 1 ? startedProcess_ : GetCurrentProcess(), left);
    }
    if (handles == 1 && woken == WAIT_OBJECT_0) {
        startedProcessEnded_ = true;
    }
    return startedProcessEnded_;
}

// A named mutex per folder, held until released or the process ends. The name is a digest of
// the folder, which may be longer than a name may be and holds backslashes.
bool WindowsLaunchPlatform::ClaimLaunch(const std::string& folder) {
    std::wstring name = Wide(folder);
    CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    std::uint64_t digest = 14695981039346656037ull;
    for (const wchar_t c : name) {
        digest = (digest ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
    }
    wchar_t mutexName[64];
    std::swprintf(mutexName, std::size(mutexName), L"Local\\ZentavioWrapper.Launch.%016llx",
                  static_cast<unsigned long long>(digest));
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName);
    if (mutex == nullptr) {
        FailWindowsResource("The launcher could not check for another launch");
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    launchLock_ = mutex;
    return true;
}

void WindowsLaunchPlatform::ReleaseLaunch() {
    if (launchLock_ != nullptr) {
        CloseHandle(launchLock_);
        launchLock_ = nullptr;
    }
}

}  // namespace zent
