#include "launch/form1_win.h"

#include "startup/command_line.h"
#include "startup/config_store.h"

namespace zent {

void LoadForm1() {
    LoadConfig();
    if (LookupGame(GameName).empty()) {
        return;
    }
}

}  // namespace zent
