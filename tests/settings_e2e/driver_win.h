#pragma once
// What the Settings tests read and do beyond the shared end-to-end support:
// the rows of lists and combo boxes of another process, its dialogs' children,
// chords, activation and pictures of its windows.

#include <windows.h>

#include <string>
#include <vector>

namespace zent {

std::vector<std::wstring> ListRows(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
// The first visible descendant of the given class.
HWND FindDescendant(HWND parent, const std::wstring& className);

void PressChord(int modifier, int key);
// Makes the window the active one, so that typed keys reach it.
void Activate(HWND window);

// The window as it shows on the screen, as the bytes of a 24-bit BMP file.
std::string WindowImage(HWND window);

}  // namespace zent
