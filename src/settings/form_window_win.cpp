#include "settings/form_window_win.h"

#include <algorithm>
#include <iterator>

#include "startup/message_loop_win.h"
#include "startup/text_locale_win.h"

namespace zent {

namespace {

// The per-monitor DPI entry points exist from Windows 10 on; older systems run
// at the one system DPI, which the device context reports.
int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

template <typename Function>
Function User32Entry(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Entry<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

SIZE OuterSize(const FormWindow& form, int dpi) {
    RECT rect{0, 0, TwipsToPixels(form.layout->clientWidth, dpi),
              TwipsToPixels(form.layout->clientHeight, dpi)};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(form.window, GWL_STYLE));
    const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(form.window, GWL_EXSTYLE));
    static const auto adjustForDpi =
        User32Entry<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassOf(ControlKind kind) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
        case ControlKind::PushButton:
            return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::DefaultPushButton:
            return {L"BUTTON", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
        case ControlKind::TextBox:
            return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ReadOnlyTextBox:
            return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
        case ControlKind::Label:
            return {L"STATIC", child | SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::ListBox:
            // The rows are kept as strings, which the list's messages return.
            return {L"LISTBOX",
                    child | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT |
                        LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                    WS_EX_CLIENTEDGE};
        case ControlKind::ColumnHeader:
            return {L"STATIC", child | SS_OWNERDRAW, 0};
        case ControlKind::CheckBox:
            return {L"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    }
    return {L"STATIC", child, 0};
}

// A drop-down list's window height includes its opened list.
int WindowHeight(const ControlPlacement& control, int dpi) {
    const int height = TwipsToPixels(control.height, dpi);
    return control.kind == ControlKind::DropDownList ? height * 8 : height;
}

// The table's label boxes were measured for a smaller font than today's
// standard one, and some overlap their neighbours. A one-line caption gets the
// width it needs and the height of its text, so it is never cut, wrapped or
// covered; labels lie beneath the other controls.
SIZE WindowSize(const ControlPlacement& control, HWND child, HFONT font, int dpi) {
    SIZE size{TwipsToPixels(control.width, dpi), WindowHeight(control, dpi)};
    if (control.kind == ControlKind::Label && *control.text != '\0') {
        const SIZE text = TextSize(child, font, ControlText(child));
        size.cx = std::max(size.cx, text.cx + 1);
        size.cy = text.cy;
    }
    return size;
}

void PlaceControls(FormWindow& form) {
    HFONT oldFont = form.font;
    form.font = form.formClass->makeFont(form.dpi);
    for (const ControlPlacement& control : form.layout->controls) {
        HWND child = GetDlgItem(form.window, control.id);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(form.font), FALSE);
        if (control.kind == ControlKind::TextBox) {
            // The boxes are narrow (a key code, a percentage): thin inner margins
            // leave the digits room.
            const int margin = MulDiv(1, form.dpi, 96);
            SendMessageW(child, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                         MAKELPARAM(margin, margin));
        }
        const SIZE size = WindowSize(control, child, form.font, form.dpi);
        SetWindowPos(child, control.kind == ControlKind::Label ? HWND_BOTTOM : nullptr,
                     TwipsToPixels(control.left, form.dpi), TwipsToPixels(control.top, form.dpi),
                     size.cx, size.cy,
                     (control.kind == ControlKind::Label ? 0 : SWP_NOZORDER) | SWP_NOACTIVATE);
    }
    InvalidateRect(form.window, nullptr, TRUE);
    if (oldFont != nullptr) {
        DeleteObject(oldFont);
    }
}

bool IsPushButton(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiW(className, L"BUTTON") == 0 &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

void CreateForm(FormWindow& form) {
    form.window =
        CreateTopLevelWindow(form.formClass->window, Wide(form.layout->caption).c_str(),
                             {CW_USEDEFAULT, CW_USEDEFAULT}, {CW_USEDEFAULT, CW_USEDEFAULT});
    if (form.formClass->dialogKeys) {
        EnableDialogKeys(form.window);
    }
    // Creation order is tab order.
    form.lastFocus = nullptr;
    for (const ControlPlacement& control : form.layout->controls) {
        const ControlClass controlClass = ClassOf(control.kind);
        HWND child =
            CreateWindowExW(controlClass.extendedStyle, controlClass.name,
                            Wide(control.text).c_str(), controlClass.style, 0, 0, 0, 0, form.window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                            GetModuleHandleW(nullptr), nullptr);
        if (form.lastFocus == nullptr && (controlClass.style & WS_TABSTOP) != 0) {
            form.lastFocus = child;
        }
    }
    form.dpi = WindowDpi(form.window);
    PlaceControls(form);
    const SIZE size = OuterSize(form, form.dpi);
    SetWindowPos(form.window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RescaleForm(FormWindow& form, int dpi, const RECT& suggested) {
    form.dpi = dpi;
    PlaceControls(form);
    const SIZE size = OuterSize(form, dpi);
    SetWindowPos(form.window, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (form.formClass->rescaled != nullptr) {
        form.formClass->rescaled();
    }
}

bool HandleFormMessage(FormWindow& form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            // A plain window forgets which control had the focus; a form keeps it,
            // as a dialog box does.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(form.window, focus)) {
                    form.lastFocus = focus;
                }
            } else if (form.lastFocus != nullptr && IsWindow(form.lastFocus)) {
                SetFocus(form.lastFocus);
                return true;
            }
            return false;
        case WM_DESTROY:
            if (form.formClass->dialogKeys) {
                DisableDialogKeys(form.window);
            }
            form.window = nullptr;
            form.lastFocus = nullptr;
            return true;
        case WM_COMMAND:
            // Enter arrives as IDOK and Escape as IDCANCEL from the dialog-key
            // handling. Enter presses the focused button, else the form's default
            // button; a form without one gets it as IDOK. There is no cancel
            // button: Escape does nothing.
            if (lParam == 0 && LOWORD(wParam) == IDOK) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(form.window, focus) && IsPushButton(focus)) {
                    SendMessageW(focus, BM_CLICK, 0, 0);
                    return true;
                }
                for (const ControlPlacement& control : form.layout->controls) {
                    if (control.kind == ControlKind::DefaultPushButton) {
                        SendMessageW(GetDlgItem(form.window, control.id), BM_CLICK, 0, 0);
                        return true;
                    }
                }
                return false;
            }
            return lParam == 0 && LOWORD(wParam) == IDCANCEL;
        case WM_DPICHANGED:
            RescaleForm(form, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return true;
        default:
            return false;
    }
}

void DestroyForm(FormWindow& form) {
    if (form.window != nullptr) {
        DestroyWindow(form.window);
    }
}

void BringFormToFront(FormWindow& form) {
    ShowWindow(form.window, SW_SHOW);
    SetForegroundWindow(form.window);
}

HFONT CreateMessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    // The metrics come at the system DPI; the window may sit on another monitor.
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

std::wstring MessageFontFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont.lfFaceName;
}

std::string ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void SetControlText(HWND control, const std::string& text) {
    SetWindowTextW(control, Wide(text).c_str());
}

TextMeasure::TextMeasure(HWND control, HFONT font)
    : control_(control), context_(GetDC(control)), oldFont_(SelectObject(context_, font)) {}

TextMeasure::~TextMeasure() {
    SelectObject(context_, oldFont_);
    ReleaseDC(control_, context_);
}

SIZE TextMeasure::Size(const std::wstring& text) const {
    SIZE extent{};
    GetTextExtentPoint32W(context_, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

SIZE TextSize(HWND control, HFONT font, const std::string& text) {
    return TextMeasure(control, font).Size(Wide(text));
}

}  // namespace zent
