#include "settings/renderer_win.h"

#include "settings/form_window_win.h"
#include "settings/renderer_form.h"
#include "settings/settings_windows_win.h"
#include "startup/text_locale_win.h"

namespace zent {

namespace {

LRESULT CALLBACK RendererProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

const FormClass kRendererClass = ToolWindowForm(L"ZentavioRenderer", kCounted<RendererProcedure>,
                                                "renderer window", CreateMessageFont, true);

class RendererList : public RendererView {
public:
    explicit RendererList(const FormWindow& form) : form_(form) {}
    int SelectedRenderer() const override {
        return static_cast<int>(
            SendDlgItemMessageW(form_.window, kCmbRenderer, CB_GETCURSEL, 0, 0));
    }
    void SelectRenderer(int position) override {
        SendDlgItemMessageW(form_.window, kCmbRenderer, CB_SETCURSEL, static_cast<WPARAM>(position),
                            0);
    }

private:
    const FormWindow& form_;
};

FormWindow g_form{&kRendererClass, &RendererLayout()};
RendererList g_list(g_form);
RendererForm g_renderer(g_list, TheSettingsWindows());

LRESULT CALLBACK RendererProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FormProcedureCall(g_form, window, message, wParam, lParam, [&] {
        if (message != WM_COMMAND || LOWORD(wParam) != kRendererCmdOk ||
            HIWORD(wParam) != BN_CLICKED) {
            return false;
        }
        g_renderer.cmdOk_Click();
        return true;
    });
}

}  // namespace

void ShowRendererWindow() {
    ShowForm(g_form, [] {
        for (const char* name : kRendererNames) {
            SendDlgItemMessageW(g_form.window, kCmbRenderer, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(Wide(name).c_str()));
        }
        g_renderer.Form_Load();
    });
}

void UnloadRendererWindow() {
    DestroyForm(g_form);
}

HWND RendererWindowHandle() {
    return g_form.window;
}

}  // namespace zent
