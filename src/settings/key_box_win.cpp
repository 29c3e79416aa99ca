#include "settings/key_box_win.h"

#include <windows.h>

#include <cstdint>

#include "settings/form_window_win.h"
#include "settings/key_box.h"
#include "settings/settings_windows_win.h"
#include "startup/fatal_error_win.h"

namespace zent {

namespace {

constexpr const char* kPromptFace = "Arial Unicode MS";

int CALLBACK NoteFaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const char* face) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The prompt's large face, upright (the vertical "@" variant would draw it
// sideways); the standard face at the same size where it is not installed.
HFONT CreatePromptFont(int dpi) {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(1425, dpi, 7200);  // 14.25 pt
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    const std::string face = FaceInstalled(kPromptFace) ? kPromptFace : MessageFontFace();
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

class KeyBoxLabel : public KeyBoxView {
public:
    explicit KeyBoxLabel(const FormWindow& form) : form_(form) {}
    void SetPrompt(const std::string& text) override {
        SetControlText(GetDlgItem(form_.window, kLblKey), text);
    }

private:
    const FormWindow& form_;
};

LRESULT CALLBACK KeyBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A fixed tool-window frame. No dialog-key handling: every key is the answer.
const FormClass kKeyBoxClass{"ZentavioKeyBox",
                             KeyBoxProcedure,
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                             WS_EX_TOOLWINDOW,
                             CreatePromptFont,
                             false,
                             false};

FormWindow g_form{&kKeyBoxClass, &KeyBoxLayout()};
KeyBoxLabel g_label(g_form);
KeyBoxForm g_keyBox(g_label, TheSettingsWindows());

LRESULT CALLBACK KeyBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedWindowCall(window, message, wParam, lParam, [&]() -> LRESULT {
        if (window == g_form.window && HandleFormMessage(g_form, message, wParam, lParam)) {
            return 0;
        }
        // Alt, F10 and keys held with Alt arrive as system keys; they are keys like
        // any other here, and the first one is the answer.
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
            g_keyBox.Form_KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF));
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    });
}

}  // namespace

void ShowKeyBoxWindow() {
    if (g_form.window == nullptr) {
        CreateForm(g_form);
        g_keyBox.Form_Load();
    }
    BringFormToFront(g_form);
}

void UnloadKeyBoxWindow() {
    DestroyForm(g_form);
}

}  // namespace zent
