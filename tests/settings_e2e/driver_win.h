#pragma once
// Remote control of a running launcher from another process, as a user (or an
// accessibility tool) would work it: find its windows, read its controls, press
// its buttons and keys. Every wait polls for evidence with a time limit.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zent::e2e {

// Records a failed check; the scenario goes on so one run reports all of them.
void Check(bool condition, const std::string& what);
int Failures();

// Polls condition until it holds or the time limit (generous: Wine can be slow
// on a busy machine) has passed; false on timeout.
bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs = 30000);

// The visible top-level window of the process with this caption, waiting for it.
HWND WaitForWindow(DWORD processId, const std::wstring& caption);
// The same without waiting; null when there is none.
HWND FindProcessWindow(DWORD processId, const std::wstring& caption);

std::wstring TextOf(HWND window);
std::vector<std::wstring> ListRows(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
// The first visible descendant of the given class.
HWND FindDescendant(HWND parent, const std::wstring& className);

// A button press that does not wait for the handler (it may open a modal box).
void Click(HWND button);
// A real key press (down and up) for the focused window of the display.
void PressKey(BYTE virtualKey);
void PressChord(BYTE modifier, BYTE virtualKey);
// Makes the window the active one, so that typed keys reach it.
void Activate(HWND window);

// The window as it shows on the screen, written as a 24-bit BMP file.
void SaveWindowImage(HWND window, const std::string& path);

// Paths and texts are UTF-8 on this side.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

std::string Narrow(const std::wstring& text);
std::wstring Widen(const std::string& text);

}  // namespace zent::e2e
