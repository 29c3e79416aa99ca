#pragma once
// The platform of the launch tests: the desktop's windows and screen
// (fake_desktop.h) with the processes, the clock, the keyboard and the pads on
// top, one part at a time, and changes a test schedules at given moments: a
// time, or the end of a step, which it learns from the trace it receives.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fake_desktop.h"
#include "launch/launch_platform.h"
#include "pads/scripted_pads.h"
#include "startup/fatal_error.h"
#include "startup/trace.h"

namespace zent::testing {

// The launcher's process and the program it starts, which closes when told
// to, unless a test makes it ignore that.
class FakeProcesses : public FakeScreen, public Processes {
public:
    // Programs that exist; starting another throws the FatalError a missing file gives.
    std::set<std::string> programs;
    // The started program's exit code once it has ended.
    std::optional<std::uint32_t> programExitCode;
    // The started program closes on Alt+F4 into its window or on the Close
    // command, after as many of them as it ignores first: each of those only
    // shuts a box or dialog of its own, or meets a question nobody answers.
    int closesIgnored = 0;
    bool anotherLaunchRuns = false;
    bool launchHeld = false;

    void CloseReceived(ProcessId process) override {
        if (process != kStartedProcess) {
            return;
        }
        if (closesIgnored > 0) {
            --closesIgnored;
            return;
        }
        Ended(0);
    }

    ProcessId LauncherProcess() override { return kLauncherProcess; }
    bool ClaimLaunch(const std::string&) override { return launchHeld = !anotherLaunchRuns; }
    void ReleaseLaunch() override { launchHeld = false; }
    ProcessId StartProgram(const std::string& path, int showWindow) override {
        log.push_back("StartProgram " + path + " show " + std::to_string(showWindow));
        if (!programs.contains(path)) {
            Fail(kFileNotFound, path + " could not be started.");
        }
        return kStartedProcess;
    }
    std::optional<std::uint32_t> ProgramExitCode() override { return programExitCode; }
    void EndProgram() override {
        log.push_back("EndProgram");
        Ended(1);
    }
    std::vector<WindowHandle> ProcessWindows(ProcessId process) override {
        std::vector<WindowHandle> found;
        for (const auto& [window, state] : windows) {
            if (state.process == process && state.visible) {
                found.push_back(window);
            }
        }
        return found;
    }

private:
    // Its windows go, and with them the focus when one of them had it: Windows
    // gives it to no other program's window on its own.
    void Ended(std::uint32_t exitCode) {
        programExitCode = exitCode;
        for (auto& [window, state] : windows) {
            state.visible = state.visible && state.process != kStartedProcess;
        }
        if (WindowProcess(foreground) == kStartedProcess) {
            foreground = 0;
        }
    }
};

// A clock that only its Wait advances.
class FakeClock : public FakeProcesses, public Clock {
public:
    std::uint64_t now = 0;

    std::uint64_t Milliseconds() override { return now; }
    // Moves the clock on until the time is up or the program has ended. As the
    // real wait: an end not yet seen ends the wait at once; once seen, a wait
    // lasts its time.
    bool Wait(std::uint32_t milliseconds) override {
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

protected:
    // Moves the clock on by 1 ms.
    virtual void Tick() { ++now; }

private:
    bool endSeen_ = false;
};

struct KeyEvent {
    KeyCode key;
    std::uint8_t scanCode;
    std::uint32_t flags;
    std::uintptr_t extraInfo;
    bool operator==(const KeyEvent&) const = default;
};

// A keyboard that keeps its state: which keys are down, whether Alt was ever
// released alone, how many key events reached another program's window.
class RecordingKeyboard : public FakeClock, public Keyboard {
public:
    std::vector<KeyEvent> keyEvents;
    std::map<std::int32_t, std::uint16_t> keyStates;

    bool KeyIsDown(KeyCode key) const { return down_[key]; }
    bool AnyKeyDown() const {
        return std::any_of(down_.begin(), down_.end(), [](bool down) { return down; });
    }
    bool AltTappedAlone() const { return altTappedAlone_; }
    // Key events injected while a window of another process was in front.
    int KeysIntoOtherPrograms() const { return keysIntoOtherPrograms_; }

    void KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                       std::uintptr_t extraInfo) override {
        const ProcessId target = WindowProcess(foreground);
        if (target != 0 && target != kStartedProcess) {
            ++keysIntoOtherPrograms_;
        }
        keyEvents.push_back({key, scanCode, flags, extraInfo});
        const bool up = (flags & kKeyEventKeyUp) != 0;
        log.push_back((up ? "up " : "down ") + std::to_string(key));
        if (key == kKeyAlt) {
            altTappedAlone_ = altTappedAlone_ || (up && down_[kKeyAlt] && !altUsed_);
            altUsed_ = false;
        } else if (!up && down_[kKeyAlt]) {
            altUsed_ = true;
        }
        if (key == kKeyF4 && !up && down_[kKeyAlt]) {
            CloseReceived(target);
        }
        down_[key] = !up;
    }
    std::uint16_t KeyState(std::int32_t key) override {
        const auto found = keyStates.find(key);
        return found == keyStates.end() ? 0 : found->second;
    }
    void Sleep(std::uint32_t milliseconds) override { Pause(*this, milliseconds); }

private:
    int keysIntoOtherPrograms_ = 0;
    std::array<bool, 256> down_{};
    bool altUsed_ = false;
    bool altTappedAlone_ = false;
};

class RecordingPlatform : public RecordingKeyboard, public TraceSink {
public:
    ScriptedPads pads{now};
    // The trace of the launch, when the platform is the trace's sink.
    std::vector<std::string> traced;
    // How many key events had been injected when the last scheduled change ran.
    std::size_t keyEventsAtLastChange = 0;

    LaunchPlatform Parts() { return {*this, *this, *this, *this, *this, pads}; }

    // Runs action once the clock reaches milliseconds, or once the step has
    // ended (its trace line written), right then or delay ms later.
    void At(std::uint64_t milliseconds, std::function<void()> action) {
        timed_.emplace(milliseconds, std::move(action));
    }
    void AfterStep(const std::string& step, std::function<void()> action, std::uint64_t delay = 0) {
        afterSteps_.emplace(step, std::pair(delay, std::move(action)));
    }

    // A step's line is "<step>: <its keys>".
    void Append(const std::string& event) noexcept override {
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

private:
    // Runs what a test scheduled meanwhile.
    void Tick() override {
        FakeClock::Tick();
        for (auto due = timed_.begin(); due != timed_.end() && due->first <= now;
             due = timed_.erase(due)) {
            RunChange(due->second);
        }
    }
    void RunChange(const std::function<void()>& action) {
        keyEventsAtLastChange = keyEvents.size();
        action();
    }

    std::multimap<std::uint64_t, std::function<void()>> timed_;
    std::multimap<std::string, std::pair<std::uint64_t, std::function<void()>>> afterSteps_;
};

}  // namespace zent::testing
