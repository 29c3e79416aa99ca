#pragma once

namespace zent {
// Creates the Settings window if needed and shows it modeless.
void ShowSettingsForm();
}  // namespace zent
