#include "settings/settings_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <map>
#include <type_traits>
#include <variant>
#include <vector>

#include "launch/displays_win.h"
#include "launch/game_display.h"
#include "settings/form_window_win.h"
#include "settings/game_columns.h"
#include "settings/one_settings_win.h"
#include "settings/settings_form.h"
#include "settings/settings_windows_win.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
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
    void SetExitKeyName(const std::string& name) override {
        SetControlText(Item(kLblExitKeyName), name);
    }

    int GameRowCount() const override {
        return static_cast<int>(SendMessageW(List(), LB_GETCOUNT, 0, 0));
    }
    std::string GameRow(int index) const override { return Utf8(RowText(index)); }

    // The whole list in one go: a redraw and a reallocation per row would make
    // a long list take seconds to appear. The list is looked up once, as each
    // lookup costs more than adding a row (under Wine it asks the server for
    // the window's children).
    void SetGameRows(const std::vector<std::string>& rows) override {
        const HWND list = List();
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        SendMessageW(list, LB_INITSTORAGE, rows.size(), 64 * rows.size());
        for (const std::string& row : rows) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(row).c_str()));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        FitColumns(rows);
    }
    void AppendGameRow(const std::string& row) override {
        SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(row).c_str()));
        WidenColumns(row);
    }
    void ReplaceGameRow(int index, const std::string& row) override {
        const int selected = SelectedGameRow();
        SendMessageW(List(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        SendMessageW(List(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(Wide(row).c_str()));
        SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        FitColumns(AllRows());
    }
    int SelectedGameRow() const override {
        const LRESULT selected = SendMessageW(List(), LB_GETCURSEL, 0, 0);
        return selected == LB_ERR ? -1 : static_cast<int>(selected);
    }
    void RemoveGameRow(int index) override {
        SendMessageW(List(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        FitColumns(AllRows());
    }

    // The list has a new font: rows of its height, columns of its widths.
    void FitToFont() {
        {
            const TextMeasure measure(List(), ListFont());
            SendMessageW(List(), LB_SETITEMHEIGHT, 0,
                         measure.Size(L"Ag").cy + MulDiv(2, form_.dpi, 96));
        }
        FitColumns(AllRows());
    }

    // The list and its header grow with the window beyond the layout's width,
    // so that a wider window shows more of the columns.
    void FitToWidth(int clientWidth) const {
        for (const ControlPlacement& control : form_.layout->controls) {
            if (control.id == kHdrGames || control.id == kLstGames) {
                const int margins = 2 * TwipsToPixels(control.left, form_.dpi);
                const int width =
                    std::max(TwipsToPixels(control.width, form_.dpi), clientWidth - margins);
                SetWindowPos(Item(control.id), nullptr, 0, 0, width,
                             TwipsToPixels(control.height, form_.dpi),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }

    // A row in its columns, in the colours of its state.
    void DrawRow(const DRAWITEMSTRUCT& item) const {
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        FillRect(item.hDC, &item.rcItem,
                 GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (item.itemID != static_cast<UINT>(-1)) {
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            DrawColumns(item.hDC, item.rcItem, GameColumns(GameRow(static_cast<int>(item.itemID))));
        }
        if ((item.itemState & ODS_FOCUS) != 0) {
            DrawFocusRect(item.hDC, &item.rcItem);
        }
    }

    // The titles over the columns, as far as the list is scrolled sideways.
    void DrawHeader(const DRAWITEMSTRUCT& item) const {
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        RECT titles = item.rcItem;
        titles.left += GetSystemMetrics(SM_CXEDGE) - GetScrollPos(List(), SB_HORZ);
        SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
        GameColumnTexts texts;
        std::copy(kGameColumnTitles.begin(), kGameColumnTitles.end(), texts.begin());
        DrawColumns(item.hDC, titles, texts);
        RECT line = item.rcItem;
        DrawEdge(item.hDC, &line, EDGE_ETCHED, BF_BOTTOM);
    }

private:
    HWND Item(int id) const { return GetDlgItem(form_.window, id); }
    HWND List() const { return Item(kLstGames); }
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
        const LRESULT length = SendMessageW(List(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR) {
            Fail(kSubscriptOutOfRange, "The games list has no row " + std::to_string(index) + ".");
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(SendMessageW(List(), LB_GETTEXT, static_cast<WPARAM>(index),
                                                  reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }
    std::vector<std::string> AllRows() const {
        std::vector<std::string> rows;
        for (int i = 0, count = GameRowCount(); i < count; ++i) {
            rows.push_back(GameRow(i));
        }
        return rows;
    }
    HFONT ListFont() const {
        return reinterpret_cast<HFONT>(SendMessageW(List(), WM_GETFONT, 0, 0));
    }
    // The room either side of a column's text.
    int Padding() const { return MulDiv(4, form_.dpi, 96); }

    void DrawColumns(HDC context, const RECT& row, const GameColumnTexts& texts) const {
        const HGDIOBJ oldFont = SelectObject(context, ListFont());
        SetBkMode(context, TRANSPARENT);
        int left = row.left;
        for (std::size_t column = 0; column < texts.size(); ++column) {
            RECT cell{left + Padding(), row.top, left + widths_[column] - Padding(), row.bottom};
            DrawTextW(context, Wide(texts[column]).c_str(), -1, &cell,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
            left += widths_[column];
        }
        SelectObject(context, oldFont);
    }

    // Every column as wide as the widest of its title and its texts, in the
    // list's font. Only names differ from row to row: the other columns have a
    // few texts, each measured once.
    void FitColumns(const std::vector<std::string>& rows) {
        const TextMeasure measure(List(), ListFont());
        std::map<std::string, int> measured;
        for (std::size_t column = 0; column < widths_.size(); ++column) {
            widths_[column] = Width(measure, kGameColumnTitles[column], measured);
        }
        for (const std::string& row : rows) {
            Widen(measure, GameColumns(row), measured);
        }
        ShowColumns();
    }
    void WidenColumns(const std::string& row) {
        const TextMeasure measure(List(), ListFont());
        std::map<std::string, int> measured;
        Widen(measure, GameColumns(row), measured);
        ShowColumns();
    }
    void Widen(const TextMeasure& measure, const GameColumnTexts& texts,
               std::map<std::string, int>& measured) {
        for (std::size_t column = 0; column < texts.size(); ++column) {
            const int width = column == kNameColumn
                                  ? measure.Size(Wide(texts[column])).cx + 2 * Padding()
                                  : Width(measure, texts[column], measured);
            widths_[column] = std::max(widths_[column], width);
        }
    }
    int Width(const TextMeasure& measure, const std::string& text,
              std::map<std::string, int>& measured) const {
        const auto [found, added] = measured.try_emplace(text, 0);
        if (added) {
            found->second = measure.Size(Wide(text)).cx + 2 * Padding();
        }
        return found->second;
    }
    // The list scrolls sideways as far as the columns reach; its scroll bar
    // shows only while they are wider than the list.
    void ShowColumns() const {
        int total = 0;
        for (const int width : widths_) {
            total += width;
        }
        SendMessageW(List(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(total), 0);
        InvalidateRect(List(), nullptr, TRUE);
        InvalidateRect(Item(kHdrGames), nullptr, TRUE);
    }

    const FormWindow& form_;
    SettingsValues shown_;
    std::array<int, kGameColumnTitles.size()> widths_{};
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
        case kCmdEdit:
            g_settings.cmdEdit_Click();
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

// The commands besides the buttons': Enter on the list and a double-click on a
// row edit it; the exit key's name follows its box.
bool OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        const bool onList = id == IDOK && GetFocus() == GetDlgItem(g_form.window, kLstGames);
        if (onList) {
            g_settings.cmdEdit_Click();
        }
        return onList;
    }
    if (id == kLstGames && code == LBN_DBLCLK) {
        g_settings.cmdEdit_Click();
    } else if (id == kTxtExitKey && code == EN_CHANGE) {
        g_settings.txtExitKey_Change();
    } else if (code == BN_CLICKED) {
        OnClick(id);
    } else {
        return false;
    }
    return true;
}

LRESULT CALLBACK SettingsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FormProcedureCall(g_form, window, message, wParam, lParam, [&] {
        switch (message) {
            case WM_COMMAND:
                return OnCommand(wParam, lParam);
            case WM_DRAWITEM: {
                const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                if (item.CtlID == kLstGames) {
                    g_controls.DrawRow(item);
                } else if (item.CtlID == kHdrGames) {
                    g_controls.DrawHeader(item);
                }
                return true;
            }
            case WM_SIZE:
                g_controls.FitToWidth(LOWORD(lParam));
                return false;
            case WM_NCDESTROY:
                ReleaseSettingsFolder();
                return false;
            default:
                return false;
        }
    });
}

// The header follows the list's sideways scrolling, by bar, keys or wheel.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    const int before = GetScrollPos(list, SB_HORZ);
    const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
    if (GetScrollPos(list, SB_HORZ) != before) {
        InvalidateRect(GetDlgItem(g_form.window, kHdrGames), nullptr, TRUE);
    }
    return result;
}

// The list has a new font.
void FitListToFont() {
    g_controls.FitToFont();
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
        // One window per folder: two would each save over the other's work.
        if (!ClaimSettingsFolder(ProgramFolder())) {
            ExitProcess(0);
        }
        Form_Initialize();
        CreateForm(g_form);
        MarkSettingsWindow(g_form.window);
        SetWindowSubclass(GetDlgItem(g_form.window, kLstGames), ListProcedure, 0, 0);
        g_controls.FitToFont();
        g_settings.Form_Load();
    }
    BringFormToFront(g_form);
}

SettingsView* SettingsViewIfOpen() {
    return g_form.window != nullptr ? &g_controls : nullptr;
}

HWND SettingsWindowHandle() {
    return g_form.window;
}

// Hidden for a launch, the window never comes back: a new one may open.
void HideSettingsWindow() {
    if (g_form.window != nullptr) {
        ShowWindow(g_form.window, SW_HIDE);
        ReleaseSettingsFolder();
    }
}

}  // namespace zent
