#include "launch/form1.h"

#include <string>

#include "launch/automation_steps.h"
#include "launch/emulator_window.h"
#include "launch/exit_key.h"
#include "launch/launch_guard.h"
#include "launch/launch_state.h"
#include "startup/command_line.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/trace.h"

namespace zent {

namespace {

// The emulator reads "zentavio.cfg" when it starts, so every run begins from the
// saved configuration, the state that the option toggles expect to switch. A
// large one takes a while to copy, so the exit key is watched meanwhile: held,
// it stops the copy, and the launcher ends with nothing started.
void RestoreEmulatorConfig(LaunchPlatform& platform) {
    if (!platform.CopyFileOver(ProgramFile(kSavedEmulatorConfig), ProgramFile(kEmulatorConfig),
                               [&platform] { return ExitKeyHeld(platform); })) {
        Trace(std::string("the copy of ") + kSavedEmulatorConfig + " was stopped; " +
              kEmulatorConfig + " is unchanged");
        CloseEmulatorAndEnd(platform, platform);
    }
    Trace(std::string("copied ") + kSavedEmulatorConfig + " over " + kEmulatorConfig);
}

// By full path in the launcher's folder: a bare name would also be looked for
// along the search path, and could start some other program of that name.
// Returns that path.
std::string StartEmulator(Desktop& desktop) {
    if (RendererType == 1 || RendererType == 3) {
        CapcomHack = true;
    }
    const std::string program = ProgramFile(EmulatorProgramName(RendererType));
    EmulatorProcess = desktop.StartProgram(program, kShowNormal);
    Trace("started " + program + ", process id " + std::to_string(EmulatorProcess));
    return program;
}

void RunStep(LaunchGuard& guard, const char* name, void (*step)(Keyboard&)) {
    step(guard);
    Trace(std::string(name) + ": " + guard.TakeKeys());
}

// The options come before InitGame, since the emulator reads them when the game
// starts; the window is placed before the speed keys so that they reach it.
void RunAutomation(LaunchGuard& guard, Desktop& desktop) {
    RunStep(guard, "StartUpSequence", StartUpSequence);
    RunStep(guard, "SelectDrive", SelectDrive);
    if (CapcomHack) {
        RunStep(guard, "InitCapcom", InitCapcom);
    }
    // The saved configuration shows the frame rate: the toggle turns it off.
    if (!ShowFps) {
        RunStep(guard, "InitFps", InitFps);
    }
    if (NtscMode) {
        RunStep(guard, "InitNTSC", InitNTSC);
    }
    if (ZWrite) {
        RunStep(guard, "InitZwrite", InitZwrite);
    }
    if (ZWriteAlpha) {
        RunStep(guard, "InitZwriteAlpha", InitZwriteAlpha);
    }
    if (HighPriority) {
        RunStep(guard, "InitHighPriority", InitHighPriority);
    }
    RunStep(guard, "InitGame", InitGame);
    PlaceEmulatorWindow(guard, desktop);
    RunStep(guard, "SetCpuSpeed", SetCpuSpeed);
}

}  // namespace

const char* EmulatorProgramName(std::int16_t rendererType) {
    return rendererType >= 2 ? "zentavio_old_gfx.exe" : "zentavio.exe";
}

// A second launch from the same folder, such as a double press in the front
// end, ends at once: two emulators would share one configuration and one
// stream of keys.
void Form_Load(LaunchPlatform& platform) {
    if (!platform.ClaimLaunch(ProgramFolder())) {
        Trace("another launch from this folder runs: this one ends");
        platform.EndProcess();
    }
    LoadConfig();
    const std::string record = LookupGame(GameName);
    if (record.empty()) {
        Trace("no game " + Quoted(GameName) + " in " + kConfigFileName + ": the launcher ends");
        platform.EndProcess();
    }
    Trace("game " + Quoted(GameName) + ": " + record);
    UnpackRecord(record);
    RequireUsableExitKey();
    LaunchGuard guard(platform, platform);
    guard.CheckExitKey();
    platform.ChangeCurrentFolder(ProgramFolder());
    RestoreEmulatorConfig(platform);
    const std::string program = StartEmulator(platform);
    guard.Sleep(500);
    guard.AwaitEmulatorInFront(program);
    RunAutomation(guard, platform);
    platform.StartTimer(kTimer1Interval);
    Trace("the launch is done; watching the exit key");
}

void Timer1_Timer(LaunchPlatform& platform) {
    if (ExitKeyHeld(platform)) {
        CloseEmulatorAndEnd(platform, platform);
    }
}

// An emulator closed by other means leaves the launcher watching the exit key,
// but its launch is over: the next game may be launched meanwhile.
void Emulator_Ended(Desktop& desktop) {
    Trace("the emulator has ended; the launch is over");
    desktop.ReleaseLaunch();
}

}  // namespace zent
