#pragma once

#include <windows.h>

#include "launch/launch_platform.h"

namespace zent {

// Posted to the launch form when the emulator the launch started has ended.
inline constexpr UINT kEmulatorEndedMessage = WM_APP + 1;

// The launch's services from the Windows API. Timer1 is the timer timerId of
// timerWindow, whose window procedure handles its ticks and kEmulatorEndedMessage.
class WindowsLaunchPlatform final : public LaunchPlatform {
public:
    WindowsLaunchPlatform(HWND timerWindow, UINT_PTR timerId)
        : timerWindow_(timerWindow), timerId_(timerId) {}

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
    bool CopyFileOver(const std::string& source, const std::string& target,
                      const std::function<bool()>& stopRequested) override;
    ProcessId StartProgram(const std::string& path, int showWindow) override;
    std::optional<std::uint32_t> ProgramExitCode() override;
    bool AwaitProgramEnd(std::uint32_t milliseconds) override;
    void EndProgram() override;
    std::vector<WindowHandle> ProcessWindows(ProcessId process) override;
    std::string WindowTitle(WindowHandle window) override;
    WindowHandle RootOwner(WindowHandle window) override;
    void BringToFront(WindowHandle window) override;
    void CloseWindow(WindowHandle window) override;
    std::uint64_t Milliseconds() override;
    bool ClaimLaunch(const std::string& folder) override;
    void ReleaseLaunch() override;
    void StartTimer(std::uint32_t milliseconds) override;
    void StopTimer() override;
    [[noreturn]] void EndProcess() override;

private:
    HWND timerWindow_;
    UINT_PTR timerId_;
    HANDLE startedProcess_ = nullptr;
    // Tells the launch form of the emulator's end, from a thread of the pool;
    // null when Windows refused it.
    HANDLE endWatch_ = nullptr;
    // Open for the launcher's life: closing it ends the emulator.
    HANDLE job_ = nullptr;
    HANDLE launchLock_ = nullptr;
};

}  // namespace zent
