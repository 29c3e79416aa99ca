#pragma once

#include <windows.h>

#include "launch/launch_platform.h"
#include "pads/pad_reader_win.h"

namespace zent {

// The launch's services from the Windows API: every part in one object, since
// the processes and the wait share the started program's handle.
class WindowsLaunchPlatform final : public Keyboard,
                                    public Desktop,
                                    public Processes,
                                    public Clock,
                                    public Screen {
public:
    LaunchPlatform Parts() { return {*this, *this, *this, *this, *this, pads_}; }

    void KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                       std::uintptr_t extraInfo) override;
    std::uint16_t KeyState(std::int32_t key) override;
    void Sleep(std::uint32_t milliseconds) override { Pause(*this, milliseconds); }

    WindowHandle ForegroundWindow() override;
    ProcessId WindowProcess(WindowHandle window) override;
    std::string WindowTitle(WindowHandle window) override;
    WindowHandle RootOwner(WindowHandle window) override;
    void PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                     int height, std::uint32_t flags) override;
    int RowsAboveClient(WindowHandle window) override;
    std::int32_t ReadWindowLong(WindowHandle window, int index) override;
    void WriteWindowLong(WindowHandle window, int index, std::int32_t value) override;
    void CloseWindow(WindowHandle window) override;
    bool BringToFront(WindowHandle window) override;
    void AllowStarterToTakeForeground() override;

    ProcessId LauncherProcess() override;
    bool ClaimLaunch(const std::string& folder) override;
    void ReleaseLaunch() override;
    ProcessId StartProgram(const std::string& path, int showWindow) override;
    std::optional<std::uint32_t> ProgramExitCode() override;
    void EndProgram() override;
    std::vector<WindowHandle> ProcessWindows(ProcessId process) override;

    std::uint64_t Milliseconds() override;
    bool Wait(std::uint32_t milliseconds) override;

    std::int32_t SystemMetric(int index) override;
    std::vector<ConnectedDisplay> Displays() override;
    void MoveCursor(int x, int y) override;
    WindowHandle ShowBackdrop(const DisplayArea& area) override;

private:
    WindowsPadReader pads_;
    HANDLE startedProcess_ = nullptr;
    // Once a wait has reported its end, the process is no longer waited on: its
    // signalled handle would end every wait at once.
    bool startedProcessEnded_ = false;
    // Open for the launcher's life: closing it ends the emulator.
    HANDLE job_ = nullptr;
    HANDLE launchLock_ = nullptr;
};

}  // namespace zent
