#include "launch/exit_key.h"

#include <algorithm>

#include "launch/emulator_window.h"
#include "launch/keystrokes.h"
#include "launch/launch_state.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/trace.h"

namespace zent {

namespace {

// A held key reports the whole upper byte of its state word (0xFF80, 0xFF81).
constexpr std::uint16_t kHeldBit = 0x1000;

std::string NoKeyProblem() {
    return "The exit key " + Quoted(ExitKeyCodeText()) + " in " + ProgramFile(kConfigFileName) +
           " is no key of the keyboard. Open the Settings window (ZentavioWrapper.exe without "
           "a game) and choose the exit key with Redefine.";
}

// Closes the emulator until its process has ended, as a player would: a box or
// a dialog of its own, or a question such as "Quit?", may take the first close.
// The player asked to leave, and every launch starts again from the saved
// configuration, so an emulator that is still there at the end is ended.
void EndEmulator(Keyboard& keyboard, Desktop& desktop, std::uint64_t exitKeySeen) {
    const std::uint64_t deadline = exitKeySeen + kEmulatorCloseTimeout;
    for (;;) {
        CloseEmulator(keyboard, desktop);
        const std::uint64_t now = desktop.Milliseconds();
        const auto wait = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(deadline > now ? deadline - now : 0, kCloseRepeatInterval));
        if (WaitFor(desktop, wait, wait, [](bool ended) { return ended; })) {
            Trace("the emulator ended " + std::to_string(desktop.Milliseconds() - exitKeySeen) +
                  " ms after the exit key");
            return;
        }
        if (desktop.Milliseconds() >= deadline) {
            Trace("the emulator still runs " + std::to_string(kEmulatorCloseTimeout / 1000) +
                  " s after the exit key: its process is ended");
            desktop.EndProgram();
            return;
        }
        Trace("the emulator still runs: it is closed again");
    }
}

// The emulator this launch started is still running.
bool EmulatorRuns(Desktop& desktop) {
    return EmulatorProcess != 0 && !desktop.ProgramExitCode().has_value();
}

}  // namespace

void RequireUsableExitKey() {
    std::int32_t key = 0;
    try {
        key = ExitKeyCodeValue();
    } catch (const FatalError& error) {
        Fail(error.number(), NoKeyProblem());
    }
    if (!IsKeyboardKey(key)) {
        Fail(kInvalidArgument, NoKeyProblem());
    }
}

bool ExitKeyHeld(Keyboard& keyboard) {
    return (keyboard.KeyState(ExitKeyCodeValue()) & kHeldBit) != 0;
}

void CloseEmulator(Keyboard& keyboard, Desktop& desktop) {
    if (!EmulatorRuns(desktop)) {
        return;
    }
    if (IsEmulatorWindow(desktop, desktop.ForegroundWindow())) {
        Trace("Alt+F4 into the emulator's window");
        PressAltChord(keyboard, kKeyF4);
        return;
    }
    const std::vector<WindowHandle> windows = desktop.ProcessWindows(EmulatorProcess);
    if (windows.empty()) {
        Trace("the emulator has no window: its process is ended");
        desktop.EndProgram();
    }
    for (const WindowHandle window : windows) {
        Trace("another window has the focus: the Close command to the emulator's window " +
              Quoted(desktop.WindowTitle(window)));
        desktop.CloseWindow(window);
    }
}

void CloseEmulatorForExit(Keyboard& keyboard, Desktop& desktop) {
    const std::uint64_t exitKeySeen = desktop.Milliseconds();
    Trace("the exit key is held");
    keyboard.Sleep(500);
    if (!EmulatorRuns(desktop)) {
        Trace("no emulator runs: nothing to close");
        return;
    }
    EndEmulator(keyboard, desktop, exitKeySeen);
}

}  // namespace zent
