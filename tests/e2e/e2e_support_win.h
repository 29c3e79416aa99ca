#pragma once
// What the end-to-end tests and their helper programs do to the desktop the
// launcher runs on: press and hold keys as a user would, find windows and press
// their buttons, read the launcher's error box, wait for evidence.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "stand_in_protocol.h"

namespace zent {

// Caption of the launcher's error box, and the system's dialog class it uses.
inline constexpr wchar_t kBoxTitle[] = L"Zentavio Wrapper";

// Polls every 20 ms until done() holds or timeoutMs passes; true when it held.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

// The key goes down as if a user pressed it, and stays down until KeyUp.
void KeyDown(int key);
void KeyUp(int key);
// A key pressed and let go.
void PressKey(int key);

// Holds the key down until done() holds or timeoutMs passes, then lets go;
// true when done() held.
bool HoldKeyUntil(int key, const std::function<bool()>& done, int timeoutMs);

// The first visible top-level window of that class (any class when null) and
// title (any title when null), of processId or of any process when processId is 0.
HWND FindTopLevel(const wchar_t* className, const wchar_t* title, DWORD processId);
// The same, waited for up to timeoutMs; null when none came.
HWND WaitForWindow(DWORD processId, const wchar_t* title, int timeoutMs);

// The text of a window of another process, its caption or its contents.
std::wstring TextOf(HWND window);
// A button press that does not wait for its handler (which may open a modal box).
void Click(HWND button);

// Waits for the launcher's error box (of processId, or any when 0), returns the
// texts of its labels joined by new lines and dismisses it with its OK button.
std::optional<std::string> ReadAndDismissBox(DWORD processId, int timeoutMs);

// Appends one line (and CR LF) to a log that a test may be reading meanwhile;
// opened and closed for every line, so each line is on disk before the next event.
void AppendLine(const std::wstring& path, const std::string& line);

// The bytes of a file that another program may be writing; nothing when it is missing.
std::optional<std::string> ReadWholeFile(const std::wstring& path);
// Creates or overwrites the file with these bytes; false when it cannot be written.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

// A build path of the host (CMake's, UTF-8) as this program opens it, with "\"
// between folders. Under Wine the build host's Unix paths ("/work/...") lie on
// drive Z:; on Windows itself they are Windows paths already ("C:/...").
std::wstring HostPath(const std::string& path);

// UTF-8 <-> UTF-16 for paths and window texts.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace zent
