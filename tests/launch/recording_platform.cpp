#include "recording_platform.h"

#include <algorithm>

#include "startup/fatal_error.h"

namespace zent::testing {

void RecordingPlatform::At(std::uint64_t milliseconds, std::function<void()> action) {
    timed_.emplace(milliseconds, std::move(action));
}

void RecordingPlatform::AfterStep(const std::string& step, std::function<void()> action,
                                  std::uint64_t delay) {
    afterSteps_.emplace(step, std::pair(delay, std::move(action)));
}

void RecordingPlatform::RunChange(const std::function<void()>& action) {
    keyEventsAtLastChange = keyEvents.size();
    action();
}

// A step's line is "<step>: <its keys>".
void RecordingPlatform::Append(const std::string& event) noexcept {
    traced.push_back(event);
    const auto node = afterSteps_.extract(event.substr(0, event.find(':')));
    if (node.empty()) {
        return;
    }
    const auto& [delay, action] = node.mapped();
    if (delay == 0) {
        RunChange(action);
    } else {
        At(now + delay, action);
    }
}

void RecordingPlatform::AddWindowInFront(WindowHandle window, ProcessId process,
                                         const std::string& title) {
    windows[window] = {.process = process, .title = title};
    Raise(window);
    foreground = window;
}

bool RecordingPlatform::AnyKeyDown() const {
    return std::any_of(down_.begin(), down_.end(), [](bool down) { return down; });
}

std::vector<std::string> RecordingPlatform::LogWithoutKeys() const {
    std::vector<std::string> rest;
    std::copy_if(log.begin(), log.end(), std::back_inserter(rest), [](const std::string& line) {
        return !line.starts_with("down ") && !line.starts_with("up ");
    });
    return rest;
}

void RecordingPlatform::KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                                      std::uintptr_t extraInfo) {
    const ProcessId target = WindowProcess(foreground);
    if (target != 0 && target != kStartedProcess) {
        ++keysIntoOtherPrograms_;
    }
    keyEvents.push_back({key, scanCode, flags, extraInfo});
    const bool up = (flags & kKeyEventKeyUp) != 0;
    log.push_back((up ? "up " : "down ") + std::to_string(key));
    if (key == kKeyAlt) {
        if (up && down_[kKeyAlt] && !altUsed_) {
            altTappedAlone_ = true;
        }
        if (!up) {
            altUsed_ = false;
        }
    } else if (!up && down_[kKeyAlt]) {
        altUsed_ = true;
    }
    if (key == kKeyF4 && !up && down_[kKeyAlt] && target == kStartedProcess) {
        CloseReceived();
    }
    down_[key] = !up;
}

// As the real wait: an end not yet seen ends the wait at once; once seen, a
// wait lasts its time.
bool RecordingPlatform::Wait(std::uint32_t milliseconds) {
    std::uint64_t waited = 0;
    for (; waited < milliseconds && (endSeen_ || !programExitCode); ++waited) {
        Tick();
    }
    endSeen_ = programExitCode.has_value();
    if (waited > 0) {
        if (!log.empty() && log.back().starts_with("Sleep ")) {
            waited += std::stoull(log.back().substr(6));
            log.pop_back();
        }
        log.push_back("Sleep " + std::to_string(waited));
    }
    return endSeen_;
}

void RecordingPlatform::Tick() {
    ++now;
    for (auto due = timed_.begin(); due != timed_.end() && due->first <= now;
         due = timed_.erase(due)) {
        RunChange(due->second);
    }
}

void RecordingPlatform::CloseReceived() {
    if (closesIgnored > 0) {
        --closesIgnored;
        return;
    }
    Ended(0);
}

// Its windows go, and with them the focus when one of them had it: Windows
// gives it to no other program's window on its own.
void RecordingPlatform::Ended(std::uint32_t exitCode) {
    programExitCode = exitCode;
    for (auto& [window, state] : windows) {
        if (state.process == kStartedProcess) {
            state.visible = false;
        }
    }
    if (WindowProcess(foreground) == kStartedProcess) {
        foreground = 0;
    }
}

std::uint16_t RecordingPlatform::KeyState(std::int32_t key) {
    const auto found = keyStates.find(key);
    return found == keyStates.end() ? 0 : found->second;
}

ProcessId RecordingPlatform::WindowProcess(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? 0 : found->second.process;
}

void RecordingPlatform::Raise(WindowHandle window) {
    std::erase(zOrder, window);
    const bool topmost = windows[window].topmost;
    const auto place = std::find_if(zOrder.begin(), zOrder.end(), [&](WindowHandle other) {
        return topmost || !windows[other].topmost;
    });
    zOrder.insert(place, window);
}

void RecordingPlatform::PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                    int width, int height, std::uint32_t flags) {
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
        if (insertAfter == kInsertTopMost) {
            placed.topmost = true;
        }
        Raise(window);
    }
    if ((flags & kPositionShowWindow) != 0) {
        placed.visible = true;
    }
    if ((flags & kPositionNoActivate) == 0) {
        foreground = window;
    }
}

std::int32_t RecordingPlatform::ReadWindowLong(WindowHandle window, int index) {
    const FakeWindow& read = windows[window];
    return static_cast<std::int32_t>(index == kStyleIndex ? read.style : read.extendedStyle);
}

void RecordingPlatform::WriteWindowLong(WindowHandle window, int index, std::int32_t value) {
    FakeWindow& written = windows[window];
    (index == kStyleIndex ? written.style : written.extendedStyle) =
        static_cast<std::uint32_t>(value);
}

// Maximized, shown without being activated, in front of the other ordinary windows.
WindowHandle RecordingPlatform::ShowBackdrop() {
    windows[kBackdrop] = {.process = kLauncherProcess,
                          .title = "Form2",
                          .width = screenWidth,
                          .height = screenHeight};
    Raise(kBackdrop);
    return kBackdrop;
}

ProcessId RecordingPlatform::StartProgram(const std::string& path, int showWindow) {
    log.push_back("StartProgram " + path + " show " + std::to_string(showWindow));
    if (!programs.contains(path)) {
        Fail(kFileNotFound, path + " could not be started.");
    }
    return kStartedProcess;
}

void RecordingPlatform::EndProgram() {
    log.push_back("EndProgram");
    Ended(1);
}

std::vector<WindowHandle> RecordingPlatform::ProcessWindows(ProcessId process) {
    std::vector<WindowHandle> found;
    for (const auto& [window, state] : windows) {
        if (state.process == process && state.visible) {
            found.push_back(window);
        }
    }
    return found;
}

std::string RecordingPlatform::WindowTitle(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? "" : found->second.title;
}

void RecordingPlatform::CloseWindow(WindowHandle window) {
    log.push_back("CloseWindow " + std::to_string(window));
    closedWindows.push_back(window);
    if (WindowProcess(window) == kStartedProcess) {
        CloseReceived();
    }
}

WindowHandle RecordingPlatform::RootOwner(WindowHandle window) {
    while (windows.contains(window) && windows[window].owner != 0) {
        window = windows[window].owner;
    }
    return window;
}

bool RecordingPlatform::BringToFront(WindowHandle window) {
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

}  // namespace zent::testing
