#include "settings/settings_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <type_traits>
#include <variant>

#include "launch/displays_win.h"
#include "launch/game_display.h"
#include "settings/form_window_win.h"
#include "settings/settings_form.h"
#include "settings/settings_windows_win.h"
#include "startup/fatal_error.h"
#include "startup/text_locale_win.h"

namespace zent {

namespace {

LRESULT CALLBACK SettingsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void FitListToFont();

// A standard resizable frame with the application icon; resizing moves nothing.
const FormClass kSettingsClass{.window = {.name = L"ZentavioSettings",
                                          .procedure = kCounted<SettingsProcedure>,
                                          .what = "Settings window",
                                          .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                          .withIcon = true},
                               .makeFont = CreateMessageFont,
                               .dialogKeys = true,
                               .rescaled = FitListToFont};

class SettingsControls : public SettingsView {
public:
    explicit SettingsControls(const FormWindow& form) : form_(form) {}

    // The boxes' texts and ticks as they are now; the pad exit's combination as
    // last shown, since its box holds only the words.
    SettingsValues Values() const override {
        SettingsValues values = shown_;
        for (std::size_t option = 0; option < kGlobalOptionCount; ++option) {
            const int id = OptionControlId(option);
            std::visit(
                [&](auto& value) {
                    using Value = std::decay_t<decltype(value)>;
                    if constexpr (std::is_same_v<Value, std::string>) {
                        value = ControlText(Item(id));
                    } else if constexpr (std::is_same_v<Value, bool>) {
                        value = IsDlgButtonChecked(form_.window, id) == BST_CHECKED;
                    } else if constexpr (std::is_same_v<Value, DisplayChoice>) {
                        const LRESULT selected = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
                        value.number =
                            selected == CB_ERR
                                ? 0
                                : static_cast<int>(SendMessageW(Item(id), CB_GETITEMDATA,
                                                                static_cast<WPARAM>(selected), 0));
                    }
                },
                values.options[option]);
        }
        return values;
    }
    void SetValues(const SettingsValues& values) override {
        shown_ = values;
        for (std::size_t option = 0; option < kGlobalOptionCount; ++option) {
            const int id = OptionControlId(option);
            std::visit(
                [&](const auto& value) {
                    using Value = std::decay_t<decltype(value)>;
                    if constexpr (std::is_same_v<Value, std::string>) {
                        SetControlText(Item(id), value);
                    } else if constexpr (std::is_same_v<Value, bool>) {
                        CheckDlgButton(form_.window, id, value ? BST_CHECKED : BST_UNCHECKED);
                    } else if constexpr (std::is_same_v<Value, PadCombination>) {
                        SetControlText(Item(id), PadCombinationText(value));
                    } else if constexpr (std::is_same_v<Value, DisplayChoice>) {
                        ShowDisplays(Item(id), value.number);
                    }
                },
                values.options[option]);
        }
    }

    int GameRowCount() const override {
        return static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
    }
    std::string GameRow(int index) const override { return Utf8(RowText(index)); }
    void AppendGameRow(const std::string& row) override {
        const std::wstring text = Wide(row);
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (loading_) {
            loading_->widest = std::max(loading_->widest, RowWidth(loading_->measure, text));
            return;
        }
        const int width = RowWidth(TextMeasure(list_, ListFont()), text);
        if (width > SendMessageW(list_, LB_GETHORIZONTALEXTENT, 0, 0)) {
            SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
        }
    }
    int SelectedGameRow() const override {
        const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
        return selected == LB_ERR ? -1 : static_cast<int>(selected);
    }
    void RemoveGameRow(int index) override {
        SendMessageW(list_, LB_DELETESTRING, index, 0);
        SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        FitScrollWidth();
    }

    // Loading fills the games list in one go: a redraw, a reallocation, a
    // device context and a new scroll width per row would make a long list take
    // seconds to appear. The list is looked up once, as each lookup costs more
    // than adding a row (under Wine it asks the server for the window's children).
    void Load(SettingsForm& settings) {
        list_ = Item(kLstGames);
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list_, LB_INITSTORAGE, 1024, 64 * 1024);
        loading_.emplace(list_, ListFont());
        settings.Form_Load();
        SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(loading_->widest), 0);
        loading_.reset();
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }

    // The list scrolls sideways as far as its longest row reaches, in the
    // list's font; its scroll bar shows only while a row is wider than the list.
    void FitScrollWidth() {
        const TextMeasure measure(list_, ListFont());
        const int count = GameRowCount();
        int widest = 0;
        for (int i = 0; i < count; ++i) {
            widest = std::max(widest, RowWidth(measure, RowText(i)));
        }
        SendMessageW(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
    }

private:
    HWND Item(int id) const { return GetDlgItem(form_.window, id); }
    // The displays connected now, each entry holding its number, the chosen one selected.
    static void ShowDisplays(HWND list, int chosen) {
        SendMessageW(list, CB_RESETCONTENT, 0, 0);
        for (const DisplayEntry& entry : DisplayEntries(ConnectedDisplays(), chosen)) {
            const LRESULT added = SendMessageW(list, CB_ADDSTRING, 0,
                                               reinterpret_cast<LPARAM>(Wide(entry.text).c_str()));
            SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(added),
                         static_cast<LPARAM>(entry.number));
            if (entry.number == chosen) {
                SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(added), 0);
            }
        }
    }
    std::wstring RowText(int index) const {
        const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, index, 0);
        if (length == LB_ERR) {
            Fail(kSubscriptOutOfRange, "The games list has no row " + std::to_string(index) + ".");
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(list_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }
    HFONT ListFont() const {
        return reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0));
    }
    // The row's text and the small inset the list draws it at.
    int RowWidth(const TextMeasure& measure, const std::wstring& row) const {
        return measure.Size(row).cx + MulDiv(4, form_.dpi, 96);
    }

    // While the window loads: the rows' one measure and the widest row so far.
    struct Loading {
        Loading(HWND list, HFONT font) : measure(list, font) {}
        TextMeasure measure;
        int widest = 0;
    };

    const FormWindow& form_;
    SettingsValues shown_;
    HWND list_ = nullptr;
    std::optional<Loading> loading_;
};

FormWindow g_form{&kSettingsClass, &SettingsLayout()};
SettingsControls g_controls(g_form);
SettingsForm g_settings(g_controls, TheSettingsWindows());

void OnClick(int id) {
    switch (id) {
        case kCmdOk:
            g_settings.cmdOk_Click();
            break;
        case kCmdExit:
            g_settings.cmdExit_Click();
            break;
        case kCmdAdd:
            g_settings.cmdAdd_Click();
            break;
        case kCmdDelete:
            g_settings.cmdDelete_Click();
            break;
        case kCmdTest:
            g_settings.cmdTest_Click();
            break;
        case kCmdPad:
            g_settings.cmdPad_Click();
            break;
        default:
            break;
    }
}

LRESULT CALLBACK SettingsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FormProcedureCall(g_form, window, message, wParam, lParam, [&] {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED || lParam == 0) {
            return false;
        }
        OnClick(LOWORD(wParam));
        return true;
    });
}

// The list has a new font.
void FitListToFont() {
    g_controls.FitScrollWidth();
}

// Runs once, before the window exists: the themed common controls need their
// classes registered.
void Form_Initialize() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

}  // namespace

void ShowSettingsForm() {
    if (g_form.window == nullptr) {
        Form_Initialize();
        CreateForm(g_form);
        g_controls.Load(g_settings);
    }
    BringFormToFront(g_form);
}

SettingsView* SettingsViewIfOpen() {
    return g_form.window != nullptr ? &g_controls : nullptr;
}

HWND SettingsWindowHandle() {
    return g_form.window;
}

void HideSettingsWindow() {
    if (g_form.window != nullptr) {
        ShowWindow(g_form.window, SW_HIDE);
    }
}

}  // namespace zent
