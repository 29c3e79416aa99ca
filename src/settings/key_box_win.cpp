#include "settings/key_box_win.h"

#include <windows.h>

#include <cstdint>

#include "settings/form_window_win.h"
#include "settings/key_box.h"
#include "settings/settings_windows_win.h"

namespace zent {

namespace {

constexpr const wchar_t* kPromptFace = L"Arial Unicode MS";

int CALLBACK NoteFaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The prompt's large face, upright (the vertical "@" variant would draw it
// sideways); the standard face at the same size where it is not installed.
HFONT CreatePromptFont(int dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(1425, dpi, 7200);  // 14.25 pt
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = FaceInstalled(kPromptFace) ? kPromptFace : MessageFontFace();
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
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

// No dialog-key handling: every key is the answer.
const FormClass kKeyBoxClass = ToolWindowForm(L"ZentavioKeyBox", kCounted<KeyBoxProcedure>,
                                              "key capture window", CreatePromptFont, false);

FormWindow g_form{&kKeyBoxClass, &KeyBoxLayout()};
KeyBoxLabel g_label(g_form);
KeyBoxForm g_keyBox(g_label, TheSettingsWindows());

LRESULT CALLBACK KeyBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FormProcedureCall(g_form, window, message, wParam, lParam, [&] {
        // Alt, F10 and keys held with Alt arrive as system keys; they are keys like
        // any other here, and the first one is the answer.
        if (message != WM_KEYDOWN && message != WM_SYSKEYDOWN) {
            return false;
        }
        g_keyBox.Form_KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF));
        return true;
    });
}

}  // namespace

void ShowKeyBoxWindow() {
    if (g_form.window != nullptr) {
        g_keyBox.ShowPrompt();
    }
    ShowForm(g_form, [] { g_keyBox.Form_Load(); });
}

void UnloadKeyBoxWindow() {
    DestroyForm(g_form);
}

}  // namespace zent
