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

WindowHandle FrontEndWindow = 0;

namespace {

// The pad exit of the launch under way, over the platform's pads.
struct PadExitWatcher {
    explicit PadExitWatcher(PadReader& pads) : poller(pads), watch(PadExit, poller) {}
    PadPoller poller;
    PadExitWatch watch;
};
std::optional<PadExitWatcher> g_padExit;

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

bool ExitKeyHeld(Keyboard& keyboard) {
    return (keyboard.KeyState(ExitKeyCodeValue()) & kHeldBit) != 0;
}

bool ExitInputsReleased(Keyboard& keyboard, Desktop& desktop) {
    return !ExitKeyHeld(keyboard) &&
           (!g_padExit || g_padExit->watch.Released(desktop.Milliseconds()));
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

void WatchPadExit(PadReader* pads) {
    g_padExit.reset();
    if (pads != nullptr) {
        g_padExit.emplace(*pads);
    }
}

bool ExitRequested(Keyboard& keyboard, Desktop& desktop) {
    if (ExitKeyHeld(keyboard)) {
        Trace("the exit key is held");
        return true;
    }
    if (g_padExit && g_padExit->watch.Held(desktop.Milliseconds())) {
        Trace("the pad exit " + Quoted(PadCombinationText(PadExit)) + " is held");
        return true;
    }
    return false;
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
    keyboard.Sleep(500);
    if (!EmulatorRuns(desktop)) {
        Trace("no emulator runs: nothing to close");
        return;
    }
    EndEmulator(keyboard, desktop, exitKeySeen);
}

void RememberFrontEnd(Desktop& desktop) {
    const WindowHandle front = desktop.ForegroundWindow();
    const ProcessId owner = desktop.WindowProcess(front);
    FrontEndWindow = owner != 0 && owner != desktop.LauncherProcess() ? front : 0;
}

void ReturnToFrontEnd(Keyboard& keyboard, Desktop& desktop) {
    // After an error box the emulator may still run; the job would end it with
    // the launcher, a moment too late for the front end.
    if (EmulatorRuns(desktop)) {
        desktop.EndProgram();
    }
    if (!WaitFor(desktop, kExitReleaseTimeout, kWatchInterval, [&](bool) {
            return ExitInputsReleased(keyboard, desktop) && !EmulatorRuns(desktop);
        })) {
        Trace("the exit is still held " + std::to_string(kExitReleaseTimeout / 1000) +
              " s after the game: the launcher ends all the same");
    }
    // A front end closed meanwhile leaves nothing to give the foreground to.
    if (FrontEndWindow == 0 || desktop.WindowProcess(FrontEndWindow) == 0) {
        return;
    }
    if (desktop.BringToFront(FrontEndWindow)) {
        Trace("the foreground is given back to " + Quoted(desktop.WindowTitle(FrontEndWindow)));
        return;
    }
    Trace("Windows refused the foreground to " + Quoted(desktop.WindowTitle(FrontEndWindow)) +
          ": the program that started the launcher may take it");
    desktop.AllowStarterToTakeForeground();
}

}  // namespace zent
