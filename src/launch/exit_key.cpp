#include "launch/exit_key.h"

#include "launch/emulator_window.h"
#include "launch/keystrokes.h"
#include "launch/launch_state.h"
#include "startup/command_line.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"

namespace zent {

namespace {

// A held key reports the whole upper byte of its state word (0xFF80, 0xFF81).
constexpr std::uint16_t kHeldBit = 0x1000;
constexpr std::int32_t kLowestKey = 1;
constexpr std::int32_t kHighestKey = 254;

std::string RedefineAdvice() {
    return " in " + ProgramFile(kConfigFileName) +
           " is no key of the keyboard. Open the Settings window (ZentavioWrapper.exe without "
           "a game) and choose the exit key with Redefine.";
}

}  // namespace

void RequireUsableExitKey() {
    std::int32_t key = 0;
    try {
        key = ExitKeyCodeValue();
    } catch (const FatalError& error) {
        Fail(error.number(), "The exit key " + Quoted(ExitKeyCodeText()) + RedefineAdvice());
    }
    if (key < kLowestKey || key > kHighestKey) {
        Fail(kInvalidArgument, "The exit key " + Quoted(ExitKeyCodeText()) + RedefineAdvice());
    }
}

bool ExitKeyHeld(LaunchPlatform& platform) {
    return (platform.KeyState(ExitKeyCodeValue()) & kHeldBit) != 0;
}

void CloseEmulator(LaunchPlatform& platform) {
    if (EmulatorProcess == 0 || platform.ProgramExitCode()) {
        return;
    }
    if (IsEmulatorWindow(platform, platform.ForegroundWindow())) {
        PressAltChord(platform, kKeyF4);
        return;
    }
    const std::vector<WindowHandle> windows = platform.ProcessWindows(EmulatorProcess);
    if (windows.empty()) {
        platform.EndProgram();
    }
    for (const WindowHandle window : windows) {
        platform.CloseWindow(window);
    }
}

void CloseEmulatorAndEnd(LaunchPlatform& platform) {
    platform.Sleep(500);
    CloseEmulator(platform);
    platform.EndProcess();
}

}  // namespace zent
