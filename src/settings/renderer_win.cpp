#include "settings/renderer_win.h"

#include "settings/form_window_win.h"
#include "settings/renderer_form.h"
#include "settings/settings_windows_win.h"
#include "startup/fatal_error_win.h"
#include "startup/message_loop_win.h"

namespace zent {

namespace {

constexpr const char* kClassName = "ZentavioRenderer";

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

FormWindow g_form{nullptr, &RendererLayout(), CreateMessageFont};
RendererList g_list(g_form);
RendererForm g_renderer(g_list, TheSettingsWindows());

LRESULT CALLBACK RendererProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedWindowCall(window, message, wParam, lParam, [&]() -> LRESULT {
        if (window == g_form.window && HandleFormMessage(g_form, message, wParam, lParam)) {
            return 0;
        }
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == kRendererCmdOk && HIWORD(wParam) == BN_CLICKED) {
                    g_renderer.cmdOk_Click();
                    return 0;
                }
                break;
            case WM_DESTROY:
                DisableDialogKeys(window);
                g_form.window = nullptr;
                g_form.lastFocus = nullptr;
                TopLevelWindowClosed();
                return 0;
            default:
                break;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    });
}

}  // namespace

void ShowRendererWindow() {
    if (g_form.window == nullptr) {
        RegisterFormClass(kClassName, RendererProcedure, false);
        CreateForm(g_form, kClassName, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW);
        TopLevelWindowOpened();
        EnableDialogKeys(g_form.window);
        for (const char* name : kRendererNames) {
            SendDlgItemMessageA(g_form.window, kCmbRenderer, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(name));
        }
        g_renderer.Form_Load();
        ShowWindow(g_form.window, SW_SHOW);
        SetFocus(GetDlgItem(g_form.window, kCmbRenderer));
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
