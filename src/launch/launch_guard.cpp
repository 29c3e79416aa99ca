#include "launch/launch_guard.h"

#include <cstdio>

#include "launch/emulator_window.h"
#include "launch/exit_key.h"
#include "launch/keystrokes.h"
#include "launch/launch_state.h"
#include "startup/fatal_error.h"
#include "startup/trace.h"

namespace zent {

namespace {

std::string ExitCodeText(std::uint32_t code) {
    // Windows' own codes for a process that could not run (0xC0000135: a DLL
    // is missing) mean more in hexadecimal.
    if (code < 0x10000) {
        return std::to_string(code);
    }
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(code));
    return std::to_string(code) + " (0x" + hex + ")";
}

}  // namespace

void LaunchGuard::CheckExitKey() {
    if (ExitRequested(keyboard_, clock_)) {
        Trace(std::string("the exit stops the launch at ") + step_);
        throw ExitKeyStop();
    }
}

std::string LaunchGuard::TakeKeys() {
    std::string keys;
    for (std::size_t i = 0; i < strokes_.size();) {
        std::size_t same = i + 1;
        while (same < strokes_.size() && strokes_[same] == strokes_[i]) {
            ++same;
        }
        keys += (keys.empty() ? "" : " ") + strokes_[i];
        if (same - i > 2) {
            keys += " x" + std::to_string(same - i);
        } else if (same - i == 2) {
            keys += " " + strokes_[i];
        }
        i = same;
    }
    strokes_.clear();
    return keys.empty() ? "no key" : keys;
}

bool LaunchGuard::EmulatorInFront() {
    return IsEmulatorWindow(desktop_, desktop_.ForegroundWindow());
}

bool LaunchGuard::WaitWatching(const std::function<bool(bool)>& done, std::uint32_t milliseconds) {
    return WaitFor(clock_, milliseconds, kWatchInterval, [&](bool ended) {
        CheckExitKey();
        return done(ended);
    });
}

void LaunchGuard::Sleep(std::uint32_t milliseconds) {
    WaitWatching([](bool) { return false; }, milliseconds);
}

std::string LaunchGuard::Describe(WindowHandle window) {
    if (window == 0) {
        return "the desktop (no window had the focus)";
    }
    const std::string title = desktop_.WindowTitle(window);
    return title.empty() ? "a window without a title" : "the window " + Quoted(title);
}

// Windows lets a program take the foreground only when the program in front
// started it or passed it that right, and the front end started the launcher,
// not the emulator: the emulator's window may come up behind the front end.
// The launcher holds the right and has passed it on at the start; a window
// still kept behind another program's is brought to the front, once.
bool LaunchGuard::EmulatorBroughtToFront(std::optional<std::uint64_t>& behindSince) {
    const WindowHandle front = desktop_.ForegroundWindow();
    const bool anotherInFront = front != 0 && !IsEmulatorWindow(desktop_, front);
    const std::vector<WindowHandle> own = anotherInFront
                                              ? processes_.ProcessWindows(Launch.EmulatorProcess)
                                              : std::vector<WindowHandle>{};
    if (own.empty()) {
        behindSince.reset();
        return false;
    }
    const std::uint64_t now = clock_.Milliseconds();
    if (!behindSince) {
        behindSince = now;
    }
    if (now - *behindSince < kEmulatorBehindTimeout) {
        return false;
    }
    const WindowHandle window = desktop_.RootOwner(own.front());
    Trace("the emulator's window " + Quoted(desktop_.WindowTitle(window)) + " is behind " +
          Describe(front) + ": it is brought to the front");
    desktop_.BringToFront(window);
    return true;
}

// The emulator's contract gives its window 500 ms to come up; a slow machine,
// a loading emulator or a front end that takes the focus back can make that
// longer, and until then every key would go to another program.
void LaunchGuard::AwaitEmulatorInFront(const std::string& programPath) {
    if (EmulatorInFront()) {
        Trace("the emulator's window is in front");
        return;
    }
    const std::uint64_t started = clock_.Milliseconds();
    std::optional<std::uint32_t> exitCode;
    std::optional<std::uint64_t> behindSince;
    bool broughtToFront = false;
    const bool inFront = WaitWatching(
        [&](bool ended) {
            if (ended) {
                exitCode = processes_.ProgramExitCode();
            }
            if (exitCode || EmulatorInFront()) {
                return true;
            }
            if (!broughtToFront && EmulatorBroughtToFront(behindSince)) {
                broughtToFront = true;
                return EmulatorInFront();
            }
            return false;
        },
        kEmulatorWindowTimeout);
    Trace("waited " + std::to_string(clock_.Milliseconds() - started) +
          " ms for the emulator's window: " +
          (exitCode  ? "the emulator ended"
           : inFront ? "in front"
                     : "time is up"));
    if (exitCode) {
        Fail(kDeviceUnavailable, programPath + " ended with exit code " + ExitCodeText(*exitCode) +
                                     " before its window came up, so nothing was typed. Start it "
                                     "once by itself to see why it does not run.");
    }
    if (!inFront) {
        const bool windowless = processes_.ProcessWindows(Launch.EmulatorProcess).empty();
        const std::string front = Describe(desktop_.ForegroundWindow());
        // Left running, it would be a game the player never sees and cannot end.
        CloseEmulator(keyboard_, desktop_, processes_);
        if (windowless) {
            Fail(kDeviceUnavailable,
                 programPath +
                     " showed no window within 10 seconds, so it was ended and nothing was "
                     "typed. Start it once by itself to see why its window does not come up.");
        }
        Fail(kDeviceUnavailable,
             "The window of " + programPath + " did not come to the front within 10 seconds (" +
                 front +
                 " kept the focus), so nothing was typed and the emulator was closed. Start the "
                 "game again and leave the emulator in front until the game runs.");
    }
    Sleep(kEmulatorSettleTime);
}

void LaunchGuard::RequireEmulatorInFront() {
    WindowHandle front = desktop_.ForegroundWindow();
    if (front == 0) {
        WaitWatching([&](bool) { return (front = desktop_.ForegroundWindow()) != 0; },
                     kFocusMoveTimeout);
    }
    if (IsEmulatorWindow(desktop_, front)) {
        return;
    }
    Trace(std::string("the emulator's window is not in front: the launch stops at ") + step_);
    if (const auto exitCode = processes_.ProgramExitCode()) {
        Fail(kDeviceUnavailable,
             "The emulator ended during the launch with exit code " + ExitCodeText(*exitCode) +
                 ". The launch was stopped so that no key reached " + Describe(front) + ".");
    }
    CloseEmulator(keyboard_, desktop_, processes_);
    Fail(kDeviceUnavailable,
         "The launch was stopped so that no key reached " + Describe(front) +
             ", which took the focus from the emulator; the emulator was closed. Start the game "
             "again and leave the emulator in front until the game runs.");
}

void LaunchGuard::KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                                std::uintptr_t extraInfo) {
    const bool up = (flags & kKeyEventKeyUp) != 0;
    if (!up && keysDown_ == 0) {
        CheckExitKey();
        RequireEmulatorInFront();
    }
    keysDown_ += up ? -1 : 1;
    if (key == kKeyAlt) {
        altDown_ = !up;
    } else if (!up) {
        strokes_.push_back((altDown_ ? "Alt+" : "") + KeyName(key));
    }
    keyboard_.KeyboardEvent(key, scanCode, flags, extraInfo);
}

}  // namespace zent
