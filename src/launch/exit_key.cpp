#include "launch/exit_key.h"

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

bool ExitKeyHeld(LaunchPlatform& platform) {
    return (platform.KeyState(ExitKeyCodeValue()) & kHeldBit) != 0;
}

void CloseEmulator(LaunchPlatform& platform) {
    if (EmulatorProcess == 0 || platform.ProgramExitCode()) {
        Trace("no emulator runs: nothing to close");
        return;
    }
    if (IsEmulatorWindow(platform, platform.ForegroundWindow())) {
        Trace("Alt+F4 into the emulator's window");
        PressAltChord(platform, kKeyF4);
        return;
    }
    const std::vector<WindowHandle> windows = platform.ProcessWindows(EmulatorProcess);
    if (windows.empty()) {
        Trace("the emulator has no window: its process is ended");
        platform.EndProgram();
    }
    for (const WindowHandle window : windows) {
        Trace("another window has the focus: the Close command to the emulator's window " +
              Quoted(platform.WindowTitle(window)));
        platform.CloseWindow(window);
    }
}

void CloseEmulatorAndEnd(LaunchPlatform& platform) {
    Trace("the exit key is held");
    platform.Sleep(500);
    CloseEmulator(platform);
    platform.EndProcess();
}

}  // namespace zent
