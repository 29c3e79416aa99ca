#include "launch/exit_key.h"

#include <algorithm>
#include <optional>

#include "launch/emulator_window.h"
#include "launch/keystrokes.h"
#include "launch/launch_guard.h"
#include "launch/launch_state.h"
#include "pads/pad_exit.h"
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
void EndEmulator(Keyboard& keyboard, Desktop& desktop, Processes& processes, Clock& clock,
                 std::uint64_t exitKeySeen) {
    const std::uint64_t deadline = exitKeySeen + kEmulatorCloseTimeout;
    for (;;) {
        CloseEmulator(keyboard, desktop, processes);
        const std::uint64_t now = clock.Milliseconds();
        const auto wait = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(deadline > now ? deadline - now : 0, kCloseRepeatInterval));
        if (WaitFor(clock, wait, wait, [](bool ended) { return ended; })) {
            Trace("the emulator ended " + std::to_string(clock.Milliseconds() - exitKeySeen) +
                  " ms after the exit key");
            return;
        }
        if (clock.Milliseconds() >= deadline) {
            Trace("the emulator still runs " + std::to_string(kEmulatorCloseTimeout / 1000) +
                  " s after the exit key: its process is ended");
            processes.EndProgram();
            return;
        }
        Trace("the emulator still runs: it is closed again");
    }
}

bool ExitKeyHeld(Keyboard& keyboard) {
    return (keyboard.KeyState(ExitKeyCodeValue()) & kHeldBit) != 0;
}

bool ExitInputsReleased(Keyboard& keyboard, Clock& clock) {
    return !ExitKeyHeld(keyboard) &&
           (!Launch.PadWatch || Launch.PadWatch->Released(clock.Milliseconds()));
}

// The emulator this launch started is still running.
bool EmulatorRuns(Processes& processes) {
    return Launch.EmulatorProcess != 0 && !processes.ProgramExitCode().has_value();
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

void WatchPadExit(PadReader* pads) {
    Launch.PadWatch.reset();
    if (pads != nullptr) {
        Launch.PadWatch.emplace(Config.PadExit, *pads);
    }
}

bool ExitRequested(Keyboard& keyboard, Clock& clock) {
    if (ExitKeyHeld(keyboard)) {
        Trace("the exit key is held");
        return true;
    }
    if (Launch.PadWatch && Launch.PadWatch->Held(clock.Milliseconds())) {
        Trace("the pad exit " + Quoted(PadCombinationText(Config.PadExit)) + " is held");
        return true;
    }
    return false;
}

void CloseEmulator(Keyboard& keyboard, Desktop& desktop, Processes& processes) {
    if (!EmulatorRuns(processes)) {
        return;
    }
    if (IsEmulatorWindow(desktop, desktop.ForegroundWindow())) {
        Trace("Alt+F4 into the emulator's window");
        PressAltChord(keyboard, kKeyF4);
        return;
    }
    const std::vector<WindowHandle> windows = processes.ProcessWindows(Launch.EmulatorProcess);
    if (windows.empty()) {
        Trace("the emulator has no window: its process is ended");
        processes.EndProgram();
    }
    for (const WindowHandle window : windows) {
        Trace("another window has the focus: the Close command to the emulator's window " +
              Quoted(desktop.WindowTitle(window)));
        desktop.CloseWindow(window);
    }
}

void CloseEmulatorForExit(Keyboard& keyboard, Desktop& desktop, Processes& processes,
                          Clock& clock) {
    const std::uint64_t exitKeySeen = clock.Milliseconds();
    keyboard.Sleep(500);
    if (!EmulatorRuns(processes)) {
        Trace("no emulator runs: nothing to close");
        return;
    }
    EndEmulator(keyboard, desktop, processes, clock, exitKeySeen);
}

void RememberFrontEnd(Desktop& desktop, Processes& processes) {
    const WindowHandle front = desktop.ForegroundWindow();
    const ProcessId owner = desktop.WindowProcess(front);
    Launch.FrontEndWindow = owner != 0 && owner != processes.LauncherProcess() ? front : 0;
}

void ReturnToFrontEnd(Keyboard& keyboard, Desktop& desktop, Processes& processes, Clock& clock) {
    // After an error box the emulator may still run; the job would end it with
    // the launcher, a moment too late for the front end.
    if (EmulatorRuns(processes)) {
        processes.EndProgram();
    }
    if (!WaitFor(clock, kExitReleaseTimeout, kWatchInterval, [&](bool) {
            return ExitInputsReleased(keyboard, clock) && !EmulatorRuns(processes);
        })) {
        Trace("the exit is still held " + std::to_string(kExitReleaseTimeout / 1000) +
              " s after the game: the launcher ends all the same");
    }
    // A front end closed meanwhile leaves nothing to give the foreground to.
    if (Launch.FrontEndWindow == 0 || desktop.WindowProcess(Launch.FrontEndWindow) == 0) {
        return;
    }
    if (desktop.BringToFront(Launch.FrontEndWindow)) {
        Trace("the foreground is given back to " +
              Quoted(desktop.WindowTitle(Launch.FrontEndWindow)));
        return;
    }
    Trace("Windows refused the foreground to " +
          Quoted(desktop.WindowTitle(Launch.FrontEndWindow)) +
          ": the program that started the launcher may take it");
    desktop.AllowStarterToTakeForeground();
}

}  // namespace zent
