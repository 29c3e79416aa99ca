#include "launch/form1.h"

#include <cstdint>
#include <string>

#include "launch/automation_steps.h"
#include "launch/emulator_window.h"
#include "launch/exit_key.h"
#include "launch/game_display.h"
#include "launch/launch_guard.h"
#include "launch/launch_state.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/trace.h"

namespace zent {

namespace {

// The emulator reads "zentavio.cfg" when it starts, so every run begins from the
// saved configuration, the state that the option toggles expect to switch. A
// large one takes a while to copy, so the exit is watched meanwhile: held,
// it stops the copy, and the launcher ends with nothing started. False then.
bool RestoreEmulatorConfig(Keyboard& keyboard, Clock& clock) {
    if (!ReplaceWithCopy(ActiveFileSystem(), ProgramFile(kSavedEmulatorConfig),
                         ProgramFile(kEmulatorConfig),
                         [&] { return ExitRequested(keyboard, clock); })) {
        Trace(std::string("the copy of ") + kSavedEmulatorConfig + " was stopped; " +
              kEmulatorConfig + " is unchanged");
        return false;
    }
    Trace(std::string("copied ") + kSavedEmulatorConfig + " over " + kEmulatorConfig);
    return true;
}

// By full path in the launcher's folder: a bare name would also be looked for
// along the search path, and could start some other program of that name.
// Returns that path.
std::string StartEmulator(Processes& processes) {
    if (Launch.RendererType == 1 || Launch.RendererType == 3) {
        Launch.CapcomHack = true;
    }
    const std::string program = ProgramFile(EmulatorProgramName(Launch.RendererType));
    Launch.EmulatorProcess = processes.StartProgram(program, kShowNormal);
    Trace("started " + program + ", process id " + std::to_string(Launch.EmulatorProcess));
    return program;
}

// The steps that run, in their order; the trace names each with its keys.
void RunAutomation(LaunchGuard& guard, Desktop& desktop, Screen& screen) {
    for (const AutomationStep& step : kAutomationSteps) {
        if (!step.runs()) {
            continue;
        }
        guard.BeginStep(step.name);
        if (step.keys != nullptr) {
            step.keys(guard);
        } else {
            step.place(guard, desktop, screen);
        }
        Trace(std::string(step.name) + ": " + guard.TakeKeys());
    }
}

// From the guard's first look at the exit key to the last step. A held exit
// key stops it wherever the guard looks (ExitKeyStop).
void RunLaunch(const LaunchPlatform& platform) {
    LaunchGuard guard(platform.keyboard, platform.desktop, platform.processes, platform.clock);
    guard.CheckExitKey();
    ActiveFileSystem().ChangeCurrentFolder(ProgramFolder());
    if (!RestoreEmulatorConfig(platform.keyboard, platform.clock)) {
        throw ExitKeyStop();
    }
    const std::string program = StartEmulator(platform.processes);
    // The pad exit from here on: the pause's first look loads XInput, within its 500 ms.
    WatchPadExit(&platform.pads);
    guard.Sleep(500);
    guard.AwaitEmulatorInFront(program);
    RunAutomation(guard, platform.desktop, platform.screen);
}

}  // namespace

const char* EmulatorProgramName(std::int16_t rendererType) {
    return rendererType >= 2 ? "zentavio_old_gfx.exe" : "zentavio.exe";
}

// A second launch from the same folder, such as a double press in the front
// end, ends at once: two emulators would share one configuration and one
// stream of keys.
LaunchResult Form_Load(const LaunchPlatform& platform) {
    if (!platform.processes.ClaimLaunch(ProgramFolder())) {
        Trace("another launch from this folder runs: this one ends");
        return LaunchResult::kAnotherLaunchRuns;
    }
    RememberFrontEnd(platform.desktop, platform.processes);
    LoadConfig();
    const GameRecord* game = FindGame(Launch.GameName);
    if (game == nullptr) {
        Trace("no game " + Quoted(Launch.GameName) + " in " + kConfigFileName +
              ": the launcher ends");
        return LaunchResult::kGameNotFound;
    }
    Trace("game " + Quoted(Launch.GameName) + ": " + RecordText(*game));
    UnpackRecord(*game);
    RequireUsableExitKey();
    // Black from here on, before anything is copied or started: the emulator's
    // windows come up in front of it, and the desktop or the front end never
    // shows between them.
    platform.screen.ShowBackdrop(ChooseGameDisplay(platform.screen));
    try {
        RunLaunch(platform);
    } catch (const ExitKeyStop&) {
        CloseEmulatorForExit(platform.keyboard, platform.desktop, platform.processes,
                             platform.clock);
        return LaunchResult::kExitKey;
    }
    Trace("the launch is done; watching the exit key");
    return LaunchResult::kLaunched;
}

// An emulator closed by other means leaves the launcher watching the exit key,
// but its launch is over: the next game may be launched meanwhile.
bool Timer1_Timer(const LaunchPlatform& platform) {
    if (ExitRequested(platform.keyboard, platform.clock)) {
        return true;
    }
    const std::uint64_t now = platform.clock.Milliseconds();
    if (now >= Launch.EmulatorEndCheckDue) {
        Launch.EmulatorEndCheckDue = now + kEmulatorEndCheckInterval;
        if (platform.processes.ProgramExitCode()) {
            Trace("the emulator has ended; the launch is over");
            platform.processes.ReleaseLaunch();
            Launch.EmulatorEndCheckDue = UINT64_MAX;
        }
    }
    return false;
}

}  // namespace zent
