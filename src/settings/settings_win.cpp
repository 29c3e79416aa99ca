#include "settings/settings_win.h"

#include "startup/config_store.h"

namespace zent {

void ShowSettingsForm() { LoadConfig(); }

}  // namespace zent
