#pragma once
// Window plumbing the three settings forms share: the layout table turned into
// controls at the window's DPI, the fonts, and the keyboard conventions of a
// form that is no dialog box.

#include <windows.h>

#include <string>

#include "settings/settings_layout.h"

namespace zent {

using FontMaker = HFONT (*)(int dpi);

// One open form: its window, its table, and the font made for its current DPI.
struct FormWindow {
    HWND window = nullptr;
    const FormLayout* layout = nullptr;
    FontMaker makeFont = nullptr;
    HFONT font = nullptr;
    int dpi = 96;
    HWND lastFocus = nullptr;
};

// Registers a form's window class once; withIcon gives it the application icon.
void RegisterFormClass(const char* className, WNDPROC procedure, bool withIcon);

// Creates the top-level window and its controls in tab order, sized for the DPI
// of the monitor it lands on. The window stays hidden.
void CreateForm(FormWindow& form, const char* className, DWORD style, DWORD extendedStyle);

// Places the controls and sizes the window for a new DPI; the suggested rectangle
// (from WM_DPICHANGED) gives the new position.
void RescaleForm(FormWindow& form, int dpi, const RECT& suggested);

// The form's messages that every form answers alike; true when handled.
bool HandleFormMessage(FormWindow& form, UINT message, WPARAM wParam, LPARAM lParam);

void DestroyForm(FormWindow& form);

// Shows a hidden form, or brings an open one to the front.
void BringFormToFront(FormWindow& form);

// The standard user-interface font at the given DPI.
HFONT CreateMessageFont(int dpi);
// The message font's face, for forms whose own face is missing.
std::string MessageFontFace();

std::string ControlText(HWND control);

}  // namespace zent
