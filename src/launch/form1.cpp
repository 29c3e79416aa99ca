#include "launch/form1.h"

#include <string>

#include "launch/automation_steps.h"
#include "launch/emulator_window.h"
#include "launch/keystrokes.h"
#include "launch/launch_state.h"
#include "startup/command_line.h"
#include "startup/config_store.h"
#include "startup/file_system.h"

namespace zent {

namespace {

// A held key reports the whole upper byte of its state word (0xFF80, 0xFF81).
constexpr std::uint16_t kHeldBit = 0x1000;

// The emulator reads "zentavio.cfg" when it starts, so every run begins from the
// saved configuration, the state that the option toggles expect to switch.
void RestoreEmulatorConfig(LaunchPlatform& platform) {
    platform.CopyFileOver(ProgramFile(kSavedEmulatorConfig), ProgramFile(kEmulatorConfig));
}

// By full path in the launcher's folder: a bare name would also be looked for
// along the search path, and could start some other program of that name.
void StartEmulator(LaunchPlatform& platform) {
    if (RendererType == 1 || RendererType == 3) {
        CapcomHack = true;
    }
    EmulatorProcess =
        platform.StartProgram(ProgramFile(EmulatorProgramName(RendererType)), kShowNormal);
}

// The options come before InitGame, since the emulator reads them when the game
// starts; the window is placed before the speed keys so that they reach it.
void RunAutomation(LaunchPlatform& platform) {
    StartUpSequence(platform);
    SelectDrive(platform);
    if (CapcomHack) {
        InitCapcom(platform);
    }
    // The saved configuration shows the frame rate: the toggle turns it off.
    if (!ShowFps) {
        InitFps(platform);
    }
    if (NtscMode) {
        InitNTSC(platform);
    }
    if (ZWrite) {
        InitZwrite(platform);
    }
    if (ZWriteAlpha) {
        InitZwriteAlpha(platform);
    }
    if (HighPriority) {
        InitHighPriority(platform);
    }
    InitGame(platform);
    PlaceEmulatorWindow(platform);
    SetCpuSpeed(platform);
}

}  // namespace

const char* EmulatorProgramName(std::int16_t rendererType) {
    return rendererType >= 2 ? "zentavio_old_gfx.exe" : "zentavio.exe";
}

void Form_Load(LaunchPlatform& platform) {
    LoadConfig();
    const std::string record = LookupGame(GameName);
    if (record.empty()) {
        platform.EndProcess();
    }
    UnpackRecord(record);
    platform.ChangeCurrentFolder(ProgramFolder());
    RestoreEmulatorConfig(platform);
    StartEmulator(platform);
    platform.Sleep(500);
    // The keys go blind into whatever has the focus: on a slow or busy machine
    // the emulator's window may not be up yet after 500 ms, and its start-up keys
    // would be lost or reach another program.
    platform.AwaitProgramReady(kEmulatorReadyTimeout);
    RunAutomation(platform);
    platform.StartTimer(kTimer1Interval);
}

// Alt+F4 goes to whatever has the focus; it is sent only when that is the
// emulator, so the exit key never closes another program. The launcher ends
// either way.
void Timer1_Timer(LaunchPlatform& platform) {
    const std::int32_t exitKey = ExitKeyCodeValue();
    if ((platform.KeyState(exitKey) & kHeldBit) == 0) {
        return;
    }
    platform.Sleep(500);
    if (IsEmulatorWindow(platform, platform.ForegroundWindow())) {
        PressAltChord(platform, kKeyF4);
    }
    platform.EndProcess();
}

}  // namespace zent
