#pragma once
// The seam between the launch and Windows, cut by concern: the keyboard the
// launch types on (and the pauses between its keys), which the launch guard
// wraps; the desktop's windows; the processes; the clock with the one wait;
// the screen. Each function of the launch takes only the parts it uses, and a
// test's fake implements only the parts its test needs. launch_platform_win.cpp
// holds the real one. Files go through the file system's seam, the pads
// through their own. The core sees no Windows type, only these.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pads/pad_reader.h"

namespace zent {

using KeyCode = std::uint8_t;
using WindowHandle = std::uintptr_t;
using ProcessId = std::uint32_t;

// Virtual-key codes the automation presses; launch_platform_win.cpp checks them
// against the Windows headers.
inline constexpr KeyCode kKeyTab = 0x09;
inline constexpr KeyCode kKeyReturn = 0x0D;
inline constexpr KeyCode kKeyAlt = 0x12;
inline constexpr KeyCode kKeyRight = 0x27;
inline constexpr KeyCode kKeyDown = 0x28;
inline constexpr KeyCode kKeyO = 0x4F;
inline constexpr KeyCode kKeyR = 0x52;
inline constexpr KeyCode kKeyAdd = 0x6B;
inline constexpr KeyCode kKeySubtract = 0x6D;
inline constexpr KeyCode kKeyF4 = 0x73;

// The flag word of a key event: 0 presses the key, this releases it.
inline constexpr std::uint32_t kKeyEventKeyUp = 0x0002;

// Window placement values of the Windows API.
inline constexpr int kScreenWidthMetric = 0;
inline constexpr int kScreenHeightMetric = 1;
inline constexpr int kStyleIndex = -16;
inline constexpr int kExtendedStyleIndex = -20;
inline constexpr std::uint32_t kSysMenuStyle = 0x00080000;
inline constexpr std::uint32_t kThickFrameStyle = 0x00040000;
inline constexpr std::uint32_t kCaptionStyle = 0x00C00000;
inline constexpr std::uint32_t kToolWindowExtendedStyle = 0x00000080;
inline constexpr WindowHandle kInsertAtTop = 0;
inline constexpr WindowHandle kInsertTopMost = static_cast<WindowHandle>(-1);
inline constexpr std::uint32_t kPositionNoSize = 0x0001;
inline constexpr std::uint32_t kPositionNoMove = 0x0002;
inline constexpr std::uint32_t kPositionNoZOrder = 0x0004;
inline constexpr std::uint32_t kPositionNoActivate = 0x0010;
inline constexpr std::uint32_t kPositionFrameChanged = 0x0020;
inline constexpr std::uint32_t kPositionShowWindow = 0x0040;

// Show-window value of a program started with a normal window that takes the focus.
inline constexpr int kShowNormal = 1;

class Keyboard {
public:
    virtual ~Keyboard() = default;

    // One synthesised key event into the system's input stream.
    virtual void KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                               std::uintptr_t extraInfo) = 0;
    // The 16-bit key state word of a virtual key.
    virtual std::uint16_t KeyState(std::int32_t key) = 0;
    // A pause in the typing; the guard watches the exit key through it.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// The top-level windows of the desktop, whoever owns them.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual WindowHandle ForegroundWindow() = 0;
    // The process that owns window; 0 for no window.
    virtual ProcessId WindowProcess(WindowHandle window) = 0;
    // The caption of a window, for messages.
    virtual std::string WindowTitle(WindowHandle window) = 0;
    // The window at the end of window's chain of owners: the main window of a box
    // or dialog, the window itself when it has no owner.
    virtual WindowHandle RootOwner(WindowHandle window) = 0;
    virtual void PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                             int height, std::uint32_t flags) = 0;
    virtual std::int32_t ReadWindowLong(WindowHandle window, int index) = 0;
    virtual void WriteWindowLong(WindowHandle window, int index, std::int32_t value) = 0;
    // Gives window the Close command of its system menu, as Alt+F4 would, without
    // waiting for it to be carried out.
    virtual void CloseWindow(WindowHandle window) = 0;
    // The rows of window above its client area (a menu bar, what is left of a
    // frame), in the launcher's coordinates: the launcher is per-monitor aware,
    // so for a window that Windows scales up these are the rows seen on screen.
    virtual int RowsAboveClient(WindowHandle window) = 0;
    // Asks for window to be brought to the front and given the keyboard; false
    // when Windows refused (only the program in front, or one it allowed, may
    // give the foreground away).
    virtual bool BringToFront(WindowHandle window) = 0;
    // Lets the program that started the launcher, the front end, take the
    // foreground itself.
    virtual void AllowStarterToTakeForeground() = 0;
};

// The launcher's own process, with its claim on a folder's one launch, and the
// program it starts, the emulator.
class Processes {
public:
    virtual ~Processes() = default;

    virtual ProcessId LauncherProcess() = 0;
    // Claims the one launch of the launcher in folder until ReleaseLaunch or the
    // end of the process; false when another process holds it.
    virtual bool ClaimLaunch(const std::string& folder) = 0;
    virtual void ReleaseLaunch() = 0;
    // Starts the program at path, without arguments, with the given show-window
    // value, and returns its process id, or throws a FatalError naming the path.
    // The program may take the foreground from the launcher, and it ends with the
    // launcher's process, however that ends, where Windows allows it.
    virtual ProcessId StartProgram(const std::string& path, int showWindow) = 0;
    // The exit code of the program started last once it has ended; nothing while it runs.
    virtual std::optional<std::uint32_t> ProgramExitCode() = 0;
    // Ends the program started last, which has no window to close or ignores the Close command.
    virtual void EndProgram() = 0;
    // The visible top-level windows of a process.
    virtual std::vector<WindowHandle> ProcessWindows(ProcessId process) = 0;
};

// The one clock of the launch, and its one wait, which every pause, wait and
// close of a launch goes through.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds on a steady clock.
    virtual std::uint64_t Milliseconds() = 0;
    // One wait of at most milliseconds on the program started last and the
    // launcher's messages, which it handles as the message loop does (the
    // launcher's windows must not be taken for hung). It returns when the time
    // is up, messages were handled or the program ended; true once the program
    // has ended. An end it has already reported no longer cuts a wait short.
    virtual bool Wait(std::uint32_t milliseconds) = 0;
};

// Waits until done(whether the program has ended) holds, asking it first and
// after each Wait, or until milliseconds have passed; each Wait is at most
// wakeEvery long, the pace at which a caller that watches the exit key must
// look. True when done held.
bool WaitFor(Clock& clock, std::uint32_t milliseconds, std::uint32_t wakeEvery,
             const std::function<bool(bool)>& done);

// A pause that watches nothing, its messages handled through the one wait: the
// Sleep of a keyboard outside the guard.
void Pause(Clock& clock, std::uint32_t milliseconds);

// A display's rectangle on the desktop, in pixels.
struct DisplayArea {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const DisplayArea&) const = default;
};

// A connected display: the number of its name "\\.\DISPLAYN", its area, and
// whether it is the primary.
struct ConnectedDisplay {
    int number = 0;
    DisplayArea area;
    bool primary = false;
};

// The displays the game and the backdrop go to.
class Screen {
public:
    virtual ~Screen() = default;

    virtual std::int32_t SystemMetric(int index) = 0;
    virtual std::vector<ConnectedDisplay> Displays() = 0;
    virtual void MoveCursor(int x, int y) = 0;
    // Shows the black backdrop over area (creating it on first use), in front
    // of the other ordinary windows, without taking the focus, and painted at
    // once; the launcher's boxes are centred on area from then on. Returns its window.
    virtual WindowHandle ShowBackdrop(const DisplayArea& area) = 0;
};

// Every part a launch uses, as Windows and the tests' fake provide them, for
// Form_Load and Timer1 to hand on.
struct LaunchPlatform {
    Keyboard& keyboard;
    Desktop& desktop;
    Processes& processes;
    Clock& clock;
    Screen& screen;
    // The pads the pad exit is watched on.
    PadReader& pads;
};

}  // namespace zent
