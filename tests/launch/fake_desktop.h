#pragma once
// The desktop of the tests, a part at a time: its windows, each with its
// process, title, rectangle, z-order, styles, visibility and owner, and the
// foreground window; then the screen with the pointer and the backdrop. A
// launch's fake adds its other parts on top (recording_platform.h), so that a
// test takes the narrowest fake that has the parts it uses. The desktop keeps
// the log of what the outside world sees happen, in order, which every part
// writes to.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "launch/launch_platform.h"

namespace zent::testing {

struct FakeWindow {
    ProcessId process = 0;
    std::string title;
    bool visible = true;
    int x = 0, y = 0, width = 0, height = 0;
    bool topmost = false;
    std::uint32_t style = 0, extendedStyle = 0;
    // The window that owns this one (a box's main window); 0 for none.
    WindowHandle owner = 0;
    // Rows above its client area once its frame is gone: its menu bar.
    int rowsAboveClient = 0;
};

class FakeDesktop : public Desktop {
public:
    static constexpr ProcessId kLauncherProcess = 1;
    static constexpr ProcessId kStartedProcess = 4242;

    // What the outside world saw, in order: "down 18", "up 79", "Sleep 100",
    // "StartProgram ...", ... Pauses back to back are one line with their sum.
    std::vector<std::string> log;
    std::map<WindowHandle, FakeWindow> windows;
    // Front to back; the windows a test adds come behind those placed.
    std::vector<WindowHandle> zOrder;
    WindowHandle foreground = 0;
    std::vector<WindowHandle> closedWindows;
    // Windows refuses to bring a window to the front (its foreground lock).
    bool foregroundLocked = false;

    // Adds a window of process to the desktop and puts it in front.
    void AddWindowInFront(WindowHandle window, ProcessId process, const std::string& title) {
        windows[window] = {.process = process, .title = title};
        Raise(window);
        foreground = window;
    }
    // Brings window to the front of its band: the topmost windows, or the others.
    void Raise(WindowHandle window) {
        std::erase(zOrder, window);
        const bool topmost = windows[window].topmost;
        const auto place = std::find_if(zOrder.begin(), zOrder.end(), [&](WindowHandle other) {
            return topmost || !windows[other].topmost;
        });
        zOrder.insert(place, window);
    }
    // The log without the key events: the pauses and the outside effects.
    std::vector<std::string> LogWithoutKeys() const {
        std::vector<std::string> rest;
        std::copy_if(log.begin(), log.end(), std::back_inserter(rest), [](const std::string& line) {
            return !line.starts_with("down ") && !line.starts_with("up ");
        });
        return rest;
    }
    // Alt+F4 or the Close command reached a window of process; no program
    // answers it until the processes are added.
    virtual void CloseReceived(ProcessId) {}

    WindowHandle ForegroundWindow() override { return foreground; }
    ProcessId WindowProcess(WindowHandle window) override {
        const auto found = windows.find(window);
        return found == windows.end() ? 0 : found->second.process;
    }
    std::string WindowTitle(WindowHandle window) override {
        const auto found = windows.find(window);
        return found == windows.end() ? "" : found->second.title;
    }
    WindowHandle RootOwner(WindowHandle window) override {
        while (windows.contains(window) && windows[window].owner != 0) {
            window = windows[window].owner;
        }
        return window;
    }
    void PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                     int height, std::uint32_t flags) override {
        const auto found = windows.find(window);
        if (found == windows.end()) {
            return;  // no such window: the call fails, as SetWindowPos does
        }
        FakeWindow& placed = found->second;
        if ((flags & kPositionNoMove) == 0) {
            placed.x = x;
            placed.y = y;
        }
        if ((flags & kPositionNoSize) == 0) {
            placed.width = width;
            placed.height = height;
        }
        if ((flags & kPositionNoZOrder) == 0) {
            placed.topmost = placed.topmost || insertAfter == kInsertTopMost;
            Raise(window);
        }
        placed.visible = placed.visible || (flags & kPositionShowWindow) != 0;
        if ((flags & kPositionNoActivate) == 0) {
            foreground = window;
        }
    }
    int RowsAboveClient(WindowHandle window) override { return windows[window].rowsAboveClient; }
    std::int32_t ReadWindowLong(WindowHandle window, int index) override {
        const FakeWindow& read = windows[window];
        return static_cast<std::int32_t>(index == kStyleIndex ? read.style : read.extendedStyle);
    }
    void WriteWindowLong(WindowHandle window, int index, std::int32_t value) override {
        FakeWindow& written = windows[window];
        (index == kStyleIndex ? written.style : written.extendedStyle) =
            static_cast<std::uint32_t>(value);
    }
    void CloseWindow(WindowHandle window) override {
        log.push_back("CloseWindow " + std::to_string(window));
        closedWindows.push_back(window);
        CloseReceived(WindowProcess(window));
    }
    // Refused, as Windows does, while the foreground is locked and another
    // program's window is in front.
    bool BringToFront(WindowHandle window) override {
        log.push_back("BringToFront " + std::to_string(window));
        const ProcessId front = WindowProcess(foreground);
        if ((foregroundLocked && front != 0 && front != kLauncherProcess) ||
            !windows.contains(window)) {
            return false;
        }
        Raise(window);
        foreground = window;
        return true;
    }
    void AllowStarterToTakeForeground() override { log.push_back("AllowStarterToTakeForeground"); }
};

// The windows and the screen: what the placement of the emulator's window uses.
class FakeScreen : public FakeDesktop, public Screen {
public:
    static constexpr WindowHandle kBackdrop = 0xB0;

    std::int32_t screenWidth = 1024;
    std::int32_t screenHeight = 768;
    std::vector<ConnectedDisplay> displays;
    int cursorX = 0, cursorY = 0;

    std::int32_t SystemMetric(int index) override {
        return index == kScreenWidthMetric ? screenWidth : screenHeight;
    }
    std::vector<ConnectedDisplay> Displays() override { return displays; }
    void MoveCursor(int x, int y) override {
        cursorX = x;
        cursorY = y;
    }
    // Shown without being activated, in front of the other ordinary windows.
    WindowHandle ShowBackdrop(const DisplayArea& area) override {
        windows[kBackdrop] = {.process = kLauncherProcess,
                              .title = "Form2",
                              .x = area.left,
                              .y = area.top,
                              .width = area.width,
                              .height = area.height};
        Raise(kBackdrop);
        return kBackdrop;
    }
};

}  // namespace zent::testing
