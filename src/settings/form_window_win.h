#pragma once
// Window plumbing the three settings forms share: the layout table turned into
// controls at the window's DPI, the fonts, and the keyboard conventions of a
// form that is no dialog box.

#include <windows.h>

#include <string>

#include "settings/settings_layout.h"

namespace zent {

using FontMaker = HFONT (*)(int dpi);

// What kind of window a form is.
struct FormClass {
    const char* name;
    WNDPROC procedure;
    DWORD style;
    DWORD extendedStyle;
    FontMaker makeFont;
    bool withIcon;    // the application icon in the frame
    bool dialogKeys;  // Tab, Enter and access keys handled for it
};

// One form: its window while it is loaded, its table, and the font made for
// its current DPI.
struct FormWindow {
    const FormClass* kind = nullptr;
    const FormLayout* layout = nullptr;
    HWND window = nullptr;
    HFONT font = nullptr;
    int dpi = 96;
    // The control that gets the focus when the form is activated: the first in
    // tab order at first, later the one that had it when the form lost it.
    HWND lastFocus = nullptr;
};

// Creates the top-level window and its controls in tab order, sized for the DPI
// of the monitor it lands on, and counts it among the program's open windows.
// The window stays hidden.
void CreateForm(FormWindow& form);

// Places the controls and sizes the window for a new DPI; the suggested rectangle
// (from WM_DPICHANGED) gives the new position.
void RescaleForm(FormWindow& form, int dpi, const RECT& suggested);

// The form's messages that every form answers alike (activation, Enter and
// Escape, a DPI change, its destruction); true when handled.
bool HandleFormMessage(FormWindow& form, UINT message, WPARAM wParam, LPARAM lParam);

void DestroyForm(FormWindow& form);

// Shows a hidden form, or brings an open one to the front.
void BringFormToFront(FormWindow& form);

// The standard user-interface font at the given DPI.
HFONT CreateMessageFont(int dpi);
// The message font's face, for forms whose own face is missing.
std::string MessageFontFace();

// A control's text, read and written through the Unicode messages.
std::string ControlText(HWND control);
void SetControlText(HWND control, const std::string& text);

// Measures texts in a font on a control's screen through one device context:
// getting and releasing a context costs many times what a measure does.
class TextMeasure {
public:
    TextMeasure(HWND control, HFONT font);
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;
    ~TextMeasure();

    SIZE Size(const std::wstring& text) const;

private:
    HWND control_;
    HDC context_;
    HGDIOBJ oldFont_;
};

// How much room text takes in the font, on the control's screen.
SIZE TextSize(HWND control, HFONT font, const std::string& text);

}  // namespace zent
