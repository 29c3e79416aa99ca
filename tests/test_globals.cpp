#include "test_globals.h"

#include "launch/launch_state.h"
#include "settings/pending_game.h"
#include "startup/config_store.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace zent::testing {

void ResetGlobals() {
    Config = {};
    Launch = {};
    Pending = {};
    // What Main hands the core before anything else: the system's text
    // locale, the program's folder and the file system.
    CurrentTextLocale() = TextLocale{};
    SetProgramFolder("");
    SetActiveFileSystem(nullptr);
}

}  // namespace zent::testing
