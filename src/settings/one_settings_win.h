#pragma once
// One Settings window per folder, across processes: a second start without an
// argument brings the open window to the front instead of opening another.

#include <windows.h>

#include <string>

namespace zent {

// True when this process may open the Settings window of folder. False when
// another process has it open: that window has been brought to the front.
bool ClaimSettingsFolder(const std::string& folder);

// Marks the window as the folder's, so that a second start finds it.
void MarkSettingsWindow(HWND window);

// The folder may open a Settings window again (this one has closed, or is
// hidden for a launch).
void ReleaseSettingsFolder();

}  // namespace zent
