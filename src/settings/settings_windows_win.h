#pragma once
// The settings forms as Windows windows, for the plain code that opens, closes
// and finds them.

#include "settings/settings_views.h"

namespace zent {

SettingsWindows& TheSettingsWindows();

}  // namespace zent
