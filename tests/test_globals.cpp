#include "test_globals.h"

#include <variant>

#include "launch/emulator_window.h"
#include "launch/exit_key.h"
#include "launch/launch_state.h"
#include "settings/pending_game.h"
#include "startup/command_line.h"
#include "startup/config_store.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace zent::testing {

void ResetGlobals() {
    for (const GlobalOption& option : GlobalOptions()) {
        std::visit([](auto* value) { *value = {}; }, option.value);
    }
    PadExit = kDefaultPadExit;
    GameTable.clear();
    GameName.clear();
    DriveKey.clear();
    RendererType = 0;
    CapcomHack = false;
    ZWrite = false;
    ZWriteAlpha = false;
    NtscMode = false;
    EmulatorProcess = 0;
    FrontEndWindow = 0;
    WatchPadExit(nullptr);
    EmulatorEndCheckDue = 0;
    EmulatorWindow = 0;
    ScreenWidth = 0;
    ScreenHeight = 0;
    NewGameName.clear();
    NewGameDriveKey = DriveKeyValue();
    NewGameRenderer = 0;
    ExitKeyCapture = false;
    CurrentTextLocale() = TextLocale{};
    SetProgramFolder("");
    SetActiveFileSystem(nullptr);
}

}  // namespace zent::testing
