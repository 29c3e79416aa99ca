#pragma once
// A LaunchPlatform for tests: it records every call that changes something as
// one line of a log (reads are not logged), keeps the keyboard's state (which
// keys are down, whether Alt was ever released without another key pressed
// under it, how many key events reached another program's window) and plays a
// small desktop of windows on a clock that only its Sleep advances, with
// changes the test schedules at given moments.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "launch/launch_platform.h"

namespace zent::testing {

// Thrown by EndProcess, so a test sees the launcher stop where the process would.
struct ProcessEnded : std::runtime_error {
    ProcessEnded() : std::runtime_error("process ended") {}
};

struct KeyEvent {
    KeyCode key;
    std::uint8_t scanCode;
    std::uint32_t flags;
    std::uintptr_t extraInfo;
    bool operator==(const KeyEvent&) const = default;
};

class RecordingPlatform : public LaunchPlatform {
public:
    static constexpr WindowHandle kBackdrop = 0xB0;
    static constexpr ProcessId kStartedProcess = 4242;

    // Every call in order: "down 18", "up 79", "Sleep 100", "copy A > B", ...
    // Pauses back to back are one line with their sum.
    std::vector<std::string> log;
    std::vector<KeyEvent> keyEvents;

    // The desktop the test sets up.
    WindowHandle foreground = 0;
    std::map<WindowHandle, ProcessId> windowProcesses;
    std::map<std::pair<WindowHandle, int>, std::int32_t> windowLongs;
    std::int32_t screenWidth = 1024;
    std::int32_t screenHeight = 768;
    std::map<std::int32_t, std::uint16_t> keyStates;
    // Programs that exist; starting another throws the FatalError a missing file gives.
    std::set<std::string> programs;
    // The started program's exit code once it has ended.
    std::optional<std::uint32_t> programExitCode;
    // Windows of windowProcesses that exist but are not visible.
    std::set<WindowHandle> hiddenWindows;
    std::map<WindowHandle, std::string> titles;
    std::vector<WindowHandle> closedWindows;
    bool anotherLaunchRuns = false;
    std::uint64_t now = 0;

    // Runs action once the clock reaches milliseconds, or once that many key
    // events have been injected.
    void At(std::uint64_t milliseconds, std::function<void()> action);
    void AfterKeyEvents(std::size_t count, std::function<void()> action);

    bool KeyIsDown(KeyCode key) const { return down_[key]; }
    bool AnyKeyDown() const;
    bool AltTappedAlone() const { return altTappedAlone_; }
    // Key events injected while a window of another process was in front.
    int KeysIntoOtherPrograms() const { return keysIntoOtherPrograms_; }
    // The log lines of the key events only.
    std::vector<std::string> KeyLog() const;

    void KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                       std::uintptr_t extraInfo) override;
    void Sleep(std::uint32_t milliseconds) override;
    std::uint16_t KeyState(std::int32_t key) override;
    WindowHandle ForegroundWindow() override;
    ProcessId WindowProcess(WindowHandle window) override;
    std::int32_t SystemMetric(int index) override;
    void MoveCursor(int x, int y) override;
    void PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                     int height, std::uint32_t flags) override;
    std::int32_t ReadWindowLong(WindowHandle window, int index) override;
    void WriteWindowLong(WindowHandle window, int index, std::int32_t value) override;
    WindowHandle ShowBackdrop() override;
    void ChangeCurrentFolder(const std::string& folder) override;
    void CopyFileOver(const std::string& source, const std::string& target) override;
    ProcessId StartProgram(const std::string& path, int showWindow) override;
    std::optional<std::uint32_t> ProgramExitCode() override;
    void EndProgram() override;
    std::vector<WindowHandle> ProcessWindows(ProcessId process) override;
    std::string WindowTitle(WindowHandle window) override;
    void CloseWindow(WindowHandle window) override;
    std::uint64_t Milliseconds() override;
    bool ClaimLaunch(const std::string& folder) override;
    void StartTimer(std::uint32_t milliseconds) override;
    [[noreturn]] void EndProcess() override;

private:
    std::multimap<std::uint64_t, std::function<void()>> timed_;
    std::multimap<std::size_t, std::function<void()>> afterKeys_;
    int keysIntoOtherPrograms_ = 0;
    std::array<bool, 256> down_{};
    bool altUsed_ = false;
    bool altTappedAlone_ = false;
};

// The log lines of PressKey and PressAltChord, to write expected streams with.
std::vector<std::string> Press(KeyCode key);
std::vector<std::string> Chord(KeyCode key);
std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts);

}  // namespace zent::testing
