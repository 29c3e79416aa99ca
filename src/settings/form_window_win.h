#pragma once
// Window plumbing the three settings forms share: the layout table turned into
// controls at the window's DPI, the fonts, and the keyboard conventions of a
// form that is no dialog box.

#include <windows.h>

#include <string>

#include "settings/settings_layout.h"
#include "startup/fatal_error_win.h"
#include "startup/window_class_win.h"

namespace zent {

using FontMaker = HFONT (*)(int dpi);

// What kind of window a form is.
struct FormClass {
    WindowClass window;
    FontMaker makeFont;
    // Tab, Enter and access keys handled for it.
    bool dialogKeys;
    // Refits what the layout table does not place, after a DPI change.
    void (*rescaled)() = nullptr;
};

// The two dialogs' kind: a fixed tool-window frame.
inline FormClass ToolWindowForm(const wchar_t* name, TopLevelProcedure procedure, const char* what,
                                FontMaker makeFont, bool dialogKeys) {
    return {.window = {.name = name,
                       .procedure = procedure,
                       .what = what,
                       .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                       .extendedStyle = WS_EX_TOOLWINDOW},
            .makeFont = makeFont,
            .dialogKeys = dialogKeys};
}

// One form: its window while it is loaded, its table, and the font made for
// its current DPI.
struct FormWindow {
    const FormClass* formClass = nullptr;
    const FormLayout* layout = nullptr;
    HWND window = nullptr;
    HFONT font = nullptr;
    int dpi = 96;
    // The control that gets the focus when the form is activated: the first in
    // tab order at first, later the one that had it when the form lost it.
    HWND lastFocus = nullptr;
};

// Creates the top-level window and its controls in tab order, sized for the DPI
// of the monitor it lands on. The window stays hidden.
void CreateForm(FormWindow& form);

// Places the controls and sizes the window for a new DPI; the suggested rectangle
// (from WM_DPICHANGED) gives the new position.
void RescaleForm(FormWindow& form, int dpi, const RECT& suggested);

// The form's messages that every form answers alike (activation, Enter and
// Escape, a DPI change, its destruction); true when handled.
bool HandleFormMessage(FormWindow& form, UINT message, WPARAM wParam, LPARAM lParam);

// A form's window procedure: the messages every form answers alike, then
// handler (true when it handled the message), then the default handling; all
// under the guard.
template <typename Handler>
LRESULT FormProcedureCall(FormWindow& form, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          Handler&& handler) {
    return GuardedWindowCall(window, message, wParam, lParam, [&]() -> LRESULT {
        if ((window == form.window && HandleFormMessage(form, message, wParam, lParam)) ||
            handler()) {
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    });
}

void DestroyForm(FormWindow& form);

// Shows a hidden form, or brings an open one to the front.
void BringFormToFront(FormWindow& form);

// Creates the form and runs load unless it is loaded, then shows it or brings
// it to the front.
template <typename Load>
void ShowForm(FormWindow& form, Load&& load) {
    if (form.window == nullptr) {
        CreateForm(form);
        load();
    }
    BringFormToFront(form);
}

// The standard user-interface font at the given DPI.
HFONT CreateMessageFont(int dpi);
// The message font's face, for forms whose own face is missing.
std::wstring MessageFontFace();

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
