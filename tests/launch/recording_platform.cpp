#include "recording_platform.h"

#include <algorithm>

#include "startup/fatal_error.h"

namespace zent::testing {

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

std::string Handle(WindowHandle window) {
    return window == kInsertTopMost ? "TOPMOST" : Number(static_cast<std::int64_t>(window));
}

}  // namespace

bool RecordingPlatform::AnyKeyDown() const {
    return std::any_of(down_.begin(), down_.end(), [](bool down) { return down; });
}

std::vector<std::string> RecordingPlatform::KeyLog() const {
    std::vector<std::string> keys;
    for (const std::string& line : log) {
        if (line.starts_with("down ") || line.starts_with("up ")) {
            keys.push_back(line);
        }
    }
    return keys;
}

void RecordingPlatform::At(std::uint64_t milliseconds, std::function<void()> action) {
    timed_.emplace(milliseconds, std::move(action));
}

void RecordingPlatform::AfterKeyEvents(std::size_t count, std::function<void()> action) {
    afterKeys_.emplace(count, std::move(action));
}

void RecordingPlatform::KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                                      std::uintptr_t extraInfo) {
    const ProcessId target = WindowProcess(foreground);
    if (target != 0 && target != kStartedProcess) {
        ++keysIntoOtherPrograms_;
    }
    keyEvents.push_back({key, scanCode, flags, extraInfo});
    const bool up = (flags & kKeyEventKeyUp) != 0;
    log.push_back((up ? "up " : "down ") + Number(key));
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
    down_[key] = !up;
    for (auto due = afterKeys_.begin(); due != afterKeys_.end() && due->first <= keyEvents.size();
         due = afterKeys_.erase(due)) {
        due->second();
    }
}

void RecordingPlatform::Sleep(std::uint32_t milliseconds) {
    std::uint64_t slept = milliseconds;
    if (!log.empty() && log.back().starts_with("Sleep ")) {
        slept += std::stoull(log.back().substr(6));
        log.pop_back();
    }
    log.push_back("Sleep " + Number(static_cast<std::int64_t>(slept)));
    now += milliseconds;
    for (auto due = timed_.begin(); due != timed_.end() && due->first <= now;
         due = timed_.erase(due)) {
        due->second();
    }
}

std::uint16_t RecordingPlatform::KeyState(std::int32_t key) {
    const auto found = keyStates.find(key);
    return found == keyStates.end() ? 0 : found->second;
}

WindowHandle RecordingPlatform::ForegroundWindow() {
    return foreground;
}

ProcessId RecordingPlatform::WindowProcess(WindowHandle window) {
    const auto found = windowProcesses.find(window);
    return found == windowProcesses.end() ? 0 : found->second;
}

std::int32_t RecordingPlatform::SystemMetric(int index) {
    return index == kScreenWidthMetric ? screenWidth : screenHeight;
}

void RecordingPlatform::MoveCursor(int x, int y) {
    log.push_back("MoveCursor " + Number(x) + "," + Number(y));
}

void RecordingPlatform::PlaceWindow(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                    int width, int height, std::uint32_t flags) {
    log.push_back("PlaceWindow " + Handle(window) + " after " + Handle(insertAfter) + " at " +
                  Number(x) + "," + Number(y) + " size " + Number(width) + "x" + Number(height) +
                  " flags " + Number(flags));
}

std::int32_t RecordingPlatform::ReadWindowLong(WindowHandle window, int index) {
    return windowLongs[{window, index}];
}

void RecordingPlatform::WriteWindowLong(WindowHandle window, int index, std::int32_t value) {
    log.push_back("WriteWindowLong " + Handle(window) + " " + Number(index) + " " +
                  Number(static_cast<std::uint32_t>(value)));
    windowLongs[{window, index}] = value;
}

WindowHandle RecordingPlatform::ShowBackdrop() {
    log.push_back("ShowBackdrop");
    return kBackdrop;
}

void RecordingPlatform::ChangeCurrentFolder(const std::string& folder) {
    log.push_back("ChangeCurrentFolder " + folder);
}

void RecordingPlatform::CopyFileOver(const std::string& source, const std::string& target) {
    log.push_back("CopyFileOver " + source + " > " + target);
}

ProcessId RecordingPlatform::StartProgram(const std::string& path, int showWindow) {
    log.push_back("StartProgram " + path + " show " + Number(showWindow));
    if (!programs.contains(path)) {
        Fail(kFileNotFound, path + " could not be started.");
    }
    return kStartedProcess;
}

std::optional<std::uint32_t> RecordingPlatform::ProgramExitCode() {
    return programExitCode;
}

void RecordingPlatform::EndProgram() {
    log.push_back("EndProgram");
    programExitCode = 1;
}

std::vector<WindowHandle> RecordingPlatform::ProcessWindows(ProcessId process) {
    std::vector<WindowHandle> windows;
    for (const auto& [window, owner] : windowProcesses) {
        if (owner == process && !hiddenWindows.contains(window)) {
            windows.push_back(window);
        }
    }
    return windows;
}

std::string RecordingPlatform::WindowTitle(WindowHandle window) {
    const auto found = titles.find(window);
    return found == titles.end() ? "" : found->second;
}

void RecordingPlatform::CloseWindow(WindowHandle window) {
    log.push_back("CloseWindow " + Handle(window));
    closedWindows.push_back(window);
}

std::uint64_t RecordingPlatform::Milliseconds() {
    return now;
}

bool RecordingPlatform::ClaimLaunch(const std::string&) {
    return !anotherLaunchRuns;
}

void RecordingPlatform::StartTimer(std::uint32_t milliseconds) {
    log.push_back("StartTimer " + Number(milliseconds));
}

void RecordingPlatform::EndProcess() {
    log.push_back("EndProcess");
    throw ProcessEnded();
}

std::vector<std::string> Press(KeyCode key) {
    return {"down " + Number(key), "up " + Number(key)};
}

std::vector<std::string> Chord(KeyCode key) {
    return {"down 18", "down " + Number(key), "up 18", "up " + Number(key)};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> joined;
    for (const auto& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

}  // namespace zent::testing
