#pragma once
// The launch types blind, into whatever has the focus. The guard stands between
// the steps and the platform and keeps that safe: every pause watches the exit
// key, and before each press or chord the exit key is checked again and the
// window in front must belong to the emulator we started. Any other window in
// front stops the launch before the key, so no key ever reaches another program.

#include <cstdint>
#include <functional>
#include <string>

#include "launch/launch_platform.h"

namespace zent {

// How long the emulator may take, beyond the fixed 500 ms, to bring a window to the front.
inline constexpr std::uint32_t kEmulatorWindowTimeout = 10000;
// The emulator's window is given this long after it came up before the first key.
inline constexpr std::uint32_t kEmulatorSettleTime = 500;
// While the focus moves between two windows no window is in front; this long
// is allowed for the move before the launch stops.
inline constexpr std::uint32_t kFocusMoveTimeout = 1000;
// The exit key is polled at the granularity of Timer1.
inline constexpr std::uint32_t kWatchInterval = 1;

class LaunchGuard final : public LaunchPlatform {
public:
    explicit LaunchGuard(LaunchPlatform& platform) : platform_(platform) {}

    // A held exit key ends the launch here, closing the emulator if it runs.
    void CheckExitKey();

    // Returns once a window of the emulator is in front, given time to settle
    // when it came only now. Stops the launch, with nothing typed, when the
    // emulator ends first or shows no window in front within the time allowed.
    void AwaitEmulatorInFront(const std::string& programPath);

    // The keys pressed since the last call, for the trace: "Alt+O Enter Tab Tab".
    std::string TakeKeys();

    // Checks before the first event of every press or chord, never between the
    // events of one, so a stopped launch leaves no key down.
    void KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                       std::uintptr_t extraInfo) override;
    // Sleeps as long, watching the exit key all the while.
    void Sleep(std::uint32_t milliseconds) override;

    std::uint16_t KeyState(std::int32_t key) override { return platform_.KeyState(key); }
    WindowHandle ForegroundWindow() override { return platform_.ForegroundWindow(); }
    ProcessId WindowProcess(WindowHandle window) override {
        return platform_.WindowProcess(window);
    }
    std::int32_t SystemMetric(int index) override { return platform_.SystemMetric(index); }
    void MoveCursor(int x, int y) override { platform_.MoveCursor(x, y); }
    void PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                     int height, std::uint32_t flags) override {
        platform_.PlaceWindow(window, insertAfter, x, y, width, height, flags);
    }
    std::int32_t ReadWindowLong(WindowHandle window, int index) override {
        return platform_.ReadWindowLong(window, index);
    }
    void WriteWindowLong(WindowHandle window, int index, std::int32_t value) override {
        platform_.WriteWindowLong(window, index, value);
    }
    WindowHandle ShowBackdrop() override { return platform_.ShowBackdrop(); }
    void ChangeCurrentFolder(const std::string& folder) override {
        platform_.ChangeCurrentFolder(folder);
    }
    bool CopyFileOver(const std::string& source, const std::string& target,
                      const std::function<bool()>& stopRequested) override {
        return platform_.CopyFileOver(source, target, stopRequested);
    }
    ProcessId StartProgram(const std::string& path, int showWindow) override {
        return platform_.StartProgram(path, showWindow);
    }
    std::optional<std::uint32_t> ProgramExitCode() override { return platform_.ProgramExitCode(); }
    void EndProgram() override { platform_.EndProgram(); }
    std::vector<WindowHandle> ProcessWindows(ProcessId process) override {
        return platform_.ProcessWindows(process);
    }
    std::string WindowTitle(WindowHandle window) override { return platform_.WindowTitle(window); }
    void CloseWindow(WindowHandle window) override { platform_.CloseWindow(window); }
    std::uint64_t Milliseconds() override { return platform_.Milliseconds(); }
    bool ClaimLaunch(const std::string& folder) override { return platform_.ClaimLaunch(folder); }
    void ReleaseLaunch() override { platform_.ReleaseLaunch(); }
    void StartTimer(std::uint32_t milliseconds) override { platform_.StartTimer(milliseconds); }
    void EndProcess() override { platform_.EndProcess(); }

private:
    bool EmulatorInFront();
    // Polls done() until it holds or the time is up, watching the exit key; true when it held.
    bool WaitFor(const std::function<bool()>& done, std::uint32_t milliseconds);
    void RequireEmulatorInFront();
    // "Front End" (the window's title), for messages.
    std::string Describe(WindowHandle window);

    LaunchPlatform& platform_;
    int keysDown_ = 0;
    bool altDown_ = false;
    std::vector<std::string> strokes_;
};

}  // namespace zent
