#include "settings/renderer_win.h"

#include "settings/form_window_win.h"
#include "settings/renderer_form.h"
#include "settings/settings_windows_win.h"
#include "startup/fatal_error_win.h"
#include "startup/text_locale_win.h"

namespace zent {

namespace {

LRESULT CALLBACK RendererProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A fixed tool-window frame.
const FormClass kRendererClass{"ZentavioRenderer",
                               RendererProcedure,
                               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                               WS_EX_TOOLWINDOW,
                               CreateMessageFont,
                               false,
                               true};

class RendererList : public RendererView {
public:
    explicit RendererList(const FormWindow& form) : form_(form) {}
    int SelectedRenderer() const override {
        return static_cast<int>(
            SendDlgItemMessageA(form_.window, kCmbRenderer, CB_GETCURSEL, 0, 0));
    }
    void SelectRenderer(int position) override {
        SendDlgItemMessageA(form_.window, kCmbRenderer, CB_SETCURSEL, static_cast<WPARAM>(position),
                            0);
    }

private:
    const FormWindow& form_;
};

FormWindow g_form{&kRendererClass, &RendererLayout()};
RendererList g_list(g_form);
RendererForm g_renderer(g_list, TheSettingsWindows());

LRESULT CALLBACK RendererProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedWindowCall(window, message, wParam, lParam, [&]() -> LRESULT {
        if (window == g_form.window && HandleFormMessage(g_form, message, wParam, lParam)) {
            return 0;
        }
        if (message == WM_COMMAND && LOWORD(wParam) == kRendererCmdOk &&
            HIWORD(wParam) == BN_CLICKED) {
            g_renderer.cmdOk_Click();
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    });
}

}  // namespace

void ShowRendererWindow() {
    if (g_form.window == nullptr) {
        CreateForm(g_form);
        for (const char* name : kRendererNames) {
            SendDlgItemMessageW(g_form.window, kCmbRenderer, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(Wide(name).c_str()));
        }
        g_renderer.Form_Load();
    }
    BringFormToFront(g_form);
}

void UnloadRendererWindow() {
    DestroyForm(g_form);
}

HWND RendererWindowHandle() {
    return g_form.window;
}

}  // namespace zent
