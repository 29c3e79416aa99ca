#pragma once
// The one message loop of the process, and the rule that it ends when the
// last window of the launcher has closed.

#include <windows.h>

namespace zent {

// The open windows, counted by CreateTopLevelWindow (window_class_win.h) from
// the window's creation to its last message; when the count falls to 0 the
// loop ends and so does the program.
void TopLevelWindowOpened();
void TopLevelWindowClosed();

// Modeless dialogs that want Tab, Enter and access keys handled for them.
void EnableDialogKeys(HWND window);
void DisableDialogKeys(HWND window);

// Runs until the last window has closed; returns the exit code.
int RunMessageLoop();

// Handles the messages queued now as the loop does, for a wait that must keep
// the launcher's windows answering; false when the loop's end (WM_QUIT) came,
// which is posted again for the loop.
bool HandleQueuedMessages();

}  // namespace zent
