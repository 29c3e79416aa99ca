#include "launch/form1.h"

#include <cstdint>
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
// large one takes a while to copy, so the exit is watched meanwhile: held,
// it stops the copy, and the launcher ends with nothing started. False then.
bool RestoreEmulatorConfig(LaunchPlatform& platform) {
    if (!ReplaceWithCopy(ActiveFileSystem(), ProgramFile(kSavedEmulatorConfig),
                         ProgramFile(kEmulatorConfig),
                         [&platform] { return ExitRequested(platform, platform); })) {
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
std::string StartEmulator(Desktop& desktop) {
    if (RendererType == 1 || RendererType == 3) {
        CapcomHack = true;
    }
    const std::string program = ProgramFile(EmulatorProgramName(RendererType));
    EmulatorProcess = desktop.StartProgram(program, kShowNormal);
    Trace("started " + program + ", process id " + std::to_string(EmulatorProcess));
    return program;
}

// The steps that run, in their order; the trace names each with its keys.
void RunAutomation(LaunchGuard& guard, Desktop& desktop) {
    for (const AutomationStep& step : kAutomationSteps) {
        if (!step.runs()) {
            continue;
        }
        guard.BeginStep(step.name);
        if (step.keys != nullptr) {
            step.keys(guard);
        } else {
            step.place(guard, desktop);
        }
        Trace(std::string(step.name) + ": " + guard.TakeKeys());
    }
}

// From the guard's first look at the exit key to the last step. A held exit
// key stops it wherever the guard looks (ExitKeyStop).
void Launch(LaunchPlatform& platform) {
    LaunchGuard guard(platform, platform);
    guard.CheckExitKey();
    ActiveFileSystem().ChangeCurrentFolder(ProgramFolder());
    if (!RestoreEmulatorConfig(platform)) {
        throw ExitKeyStop();
    }
    const std::string program = StartEmulator(platform);
    // The pad exit from here on: the pause's first look loads XInput, within its 500 ms.
    WatchPadExit(&platform.Pads());
    guard.Sleep(500);
    guard.AwaitEmulatorInFront(program);
    RunAutomation(guard, platform);
}

}  // namespace

const char* EmulatorProgramName(std::int16_t rendererType) {
    return rendererType >= 2 ? "zentavio_old_gfx.exe" : "zentavio.exe";
}

// A second launch from the same folder, such as a double press in the front
// end, ends at once: two emulators would share one configuration and one
// stream of keys.
LaunchResult Form_Load(LaunchPlatform& platform) {
    if (!platform.ClaimLaunch(ProgramFolder())) {
        Trace("another launch from this folder runs: this one ends");
        return LaunchResult::kAnotherLaunchRuns;
    }
    RememberFrontEnd(platform);
    LoadConfig();
    const std::string record = LookupGame(GameName);
    if (record.empty()) {
        Trace("no game " + Quoted(GameName) + " in " + kConfigFileName + ": the launcher ends");
        return LaunchResult::kGameNotFound;
    }
    Trace("game " + Quoted(GameName) + ": " + record);
    UnpackRecord(record);
    RequireUsableExitKey();
    try {
        Launch(platform);
    } catch (const ExitKeyStop&) {
        CloseEmulatorForExit(platform, platform);
        return LaunchResult::kExitKey;
    }
    Trace("the launch is done; watching the exit key");
    return LaunchResult::kLaunched;
}

// An emulator closed by other means leaves the launcher watching the exit key,
// but its launch is over: the next game may be launched meanwhile.
bool Timer1_Timer(LaunchPlatform& platform) {
    if (ExitRequested(platform, platform)) {
        return true;
    }
    const std::uint64_t now = platform.Milliseconds();
    if (now >= EmulatorEndCheckDue) {
        EmulatorEndCheckDue = now + kEmulatorEndCheckInterval;
        if (platform.ProgramExitCode()) {
            Trace("the emulator has ended; the launch is over");
            platform.ReleaseLaunch();
            EmulatorEndCheckDue = UINT64_MAX;
        }
    }
    return false;
}

}  // namespace zent
