#pragma once
// The Settings window: the launcher's one interactive window.

#include <windows.h>

#include "settings/settings_views.h"

namespace zent {

// Creates the Settings window if needed and shows it modeless.
void ShowSettingsForm();

// The window's controls; null once the user has closed it.
SettingsView* SettingsViewIfOpen();
// The window, as owner of the open-file dialog; null once closed.
HWND SettingsWindowHandle();

void HideSettingsWindow();

}  // namespace zent
