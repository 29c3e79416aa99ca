#pragma once
// A LaunchPlatform for tests. It plays a small desktop: windows with their
// process, title, rectangle, z-order, styles and visibility, the foreground
// window and the pointer, on a clock that only its Wait advances, with changes
// a test schedules at given moments: a time, or the end of a step, which it
// learns from the trace it receives. It keeps the keyboard's state (which keys
// are down, whether Alt was ever released alone, how many key events reached
// another program's window) and logs, in order, only what the outside world
// sees happen: key events, pauses, processes and Close commands.
// The started program closes when told to, unless a test makes it ignore that.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "launch/launch_platform.h"
#include "startup/trace.h"

namespace zent::testing {

struct KeyEvent {
    KeyCode key;
    std::uint8_t scanCode;
    std::uint32_t flags;
    std::uintptr_t extraInfo;
    bool operator==(const KeyEvent&) const = default;
};

struct FakeWindow {
    ProcessId process = 0;
    std::string title;
    bool visible = true;
    int x = 0, y = 0, width = 0, height = 0;
    bool topmost = false;
    std::uint32_t style = 0, extendedStyle = 0;
    // The window that owns this one (a box's main window); 0 for none.
    WindowHandle owner = 0;
};

class RecordingPlatform : public LaunchPlatform, public TraceSink {
public:
    static constexpr WindowHandle kBackdrop = 0xB0;
    static constexpr ProcessId kLauncherProcess = 1;
    static constexpr ProcessId kStartedProcess = 4242;

    // What the outside world saw, in order: "down 18", "up 79", "Sleep 100",
    // "StartProgram ...", ... Pauses back to back are one line with their sum.
    std::vector<std::string> log;
    std::vector<KeyEvent> keyEvents;
    // The trace of the launch, when the platform is the trace's sink.
    std::vector<std::string> traced;
    // How many key events had been injected when the last scheduled change ran.
    std::size_t keyEventsAtLastChange = 0;

    // The desktop the test sets up and the launch changes.
    std::map<WindowHandle, FakeWindow> windows;
    // Front to back; the windows a test adds come behind those placed.
    std::vector<WindowHandle> zOrder;
    WindowHandle foreground = 0;
    int cursorX = 0, cursorY = 0;
    std::int32_t screenWidth = 1024;
    std::int32_t screenHeight = 768;
    std::map<std::int32_t, std::uint16_t> keyStates;
    // Programs that exist; starting another throws the FatalError a missing file gives.
    std::set<std::string> programs;
    // The started program's exit code once it has ended.
    std::optional<std::uint32_t> programExitCode;
    std::vector<WindowHandle> closedWindows;
    // The started program closes on Alt+F4 into its window or on the Close
    // command, after as many of them as it ignores first: each of those only
    // shuts a box or dialog of its own, or meets a question nobody answers.
    int closesIgnored = 0;
    // Windows refuses to bring a window to the front (its foreground lock).
    bool foregroundLocked = false;
    // The XInput pads plugged in, by slot, with the buttons held on each.
    std::map<int, std::uint32_t> xinputPads;
    bool anotherLaunchRuns = false;
    bool launchHeld = false;
    std::uint64_t now = 0;

    // Runs action once the clock reaches milliseconds, or once the step has
    // ended (its trace line written), right then or delay ms later.
    void At(std::uint64_t milliseconds, std::function<void()> action);
    void AfterStep(const std::string& step, std::function<void()> action, std::uint64_t delay = 0);

    // Adds a window of process to the desktop and puts it in front.
    void AddWindowInFront(WindowHandle window, ProcessId process, const std::string& title);

    bool KeyIsDown(KeyCode key) const { return down_[key]; }
    bool AnyKeyDown() const;
    bool AltTappedAlone() const { return altTappedAlone_; }
    // Key events injected while a window of another process was in front.
    int KeysIntoOtherPrograms() const { return keysIntoOtherPrograms_; }
    // The log without the key events: the pauses and the outside effects.
    std::vector<std::string> LogWithoutKeys() const;

    void Append(const std::string& event) noexcept override;
    void KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                       std::uintptr_t extraInfo) override;
    std::uint16_t KeyState(std::int32_t key) override;
    WindowHandle ForegroundWindow() override { return foreground; }
    ProcessId WindowProcess(WindowHandle window) override;
    std::int32_t SystemMetric(int index) override {
        return index == kScreenWidthMetric ? screenWidth : screenHeight;
    }
    // Windows keeps the pointer on the screen.
    void MoveCursor(int x, int y) override {
        cursorX = std::clamp(x, 0, screenWidth - 1);
        cursorY = std::clamp(y, 0, screenHeight - 1);
    }
    void PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                     int height, std::uint32_t flags) override;
    std::int32_t ReadWindowLong(WindowHandle window, int index) override;
    void WriteWindowLong(WindowHandle window, int index, std::int32_t value) override;
    WindowHandle ShowBackdrop() override;
    ProcessId StartProgram(const std::string& path, int showWindow) override;
    std::optional<std::uint32_t> ProgramExitCode() override { return programExitCode; }
    void EndProgram() override;
    std::vector<WindowHandle> ProcessWindows(ProcessId process) override;
    std::string WindowTitle(WindowHandle window) override;
    WindowHandle RootOwner(WindowHandle window) override;
    // Refused, as Windows does, while the foreground is locked and another
    // program's window is in front.
    bool BringToFront(WindowHandle window) override;
    void AllowStarterToTakeForeground() override { log.push_back("AllowStarterToTakeForeground"); }
    ProcessId LauncherProcess() override { return kLauncherProcess; }
    PadReader& Pads() override { return pads_; }
    void CloseWindow(WindowHandle window) override;
    std::uint64_t Milliseconds() override { return now; }
    // Moves the clock on until the time is up or the program has ended.
    bool Wait(std::uint32_t milliseconds) override;
    bool ClaimLaunch(const std::string&) override { return launchHeld = !anotherLaunchRuns; }
    void ReleaseLaunch() override { launchHeld = false; }

private:
    // Brings window to the front of its band: the topmost windows, or the others.
    void Raise(WindowHandle window);
    // Moves the clock on by 1 ms, running what a test scheduled meanwhile.
    void Tick();
    void RunChange(const std::function<void()>& action);
    // Alt+F4 or the Close command reached the started program.
    void CloseReceived();
    void Ended(std::uint32_t exitCode);

    struct Pads final : PadReader {
        explicit Pads(RecordingPlatform& platform) : platform(platform) {}
        std::optional<std::uint32_t> XInputButtons(int slot) override {
            const auto found = platform.xinputPads.find(slot);
            return found == platform.xinputPads.end() ? std::nullopt : std::optional(found->second);
        }
        std::optional<std::uint32_t> JoystickButtons(int) override { return std::nullopt; }
        RecordingPlatform& platform;
    } pads_{*this};
    std::multimap<std::uint64_t, std::function<void()>> timed_;
    std::multimap<std::string, std::pair<std::uint64_t, std::function<void()>>> afterSteps_;
    int keysIntoOtherPrograms_ = 0;
    std::array<bool, 256> down_{};
    bool altUsed_ = false;
    bool altTappedAlone_ = false;
    bool endSeen_ = false;
};

}  // namespace zent::testing
