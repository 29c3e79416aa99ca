#include "startup/text_locale_win.h"

#include <windows.h>

#include "startup/text_conversions.h"

namespace zent {

namespace {

std::wstring WideFrom(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// usedDefault, when given, reports a character the code page has no place for;
// it marks each with "?" and never puts a look-alike in its place.
std::string BytesIn(UINT codePage, std::wstring_view text, BOOL* usedDefault) {
    if (text.empty()) {
        return {};
    }
    const DWORD flags = usedDefault != nullptr ? WC_NO_BEST_FIT_CHARS : 0;
    const char* mark = usedDefault != nullptr ? "?" : nullptr;
    const int size = static_cast<int>(text.size());
    std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(
                          codePage, flags, text.data(), size, nullptr, 0, mark, usedDefault)),
                      '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(),
                        static_cast<int>(bytes.size()), mark, usedDefault);
    return bytes;
}

// a-z are done already; only texts with other letters need the system's mapping.
void SystemUpperCase(std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            std::wstring wide = Wide(text);
            CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
            text = Utf8(wide);
            return;
        }
    }
}

std::string FromAnsi(std::string_view ansi) {
    return Utf8(WideFrom(CP_ACP, ansi));
}

std::string ToAnsi(std::string_view text, bool& lossless) {
    BOOL usedDefault = FALSE;
    std::string ansi = BytesIn(CP_ACP, Wide(text), &usedDefault);
    lossless = usedDefault == FALSE;
    return ansi;
}

}  // namespace

std::wstring Wide(std::string_view text) {
    return WideFrom(CP_UTF8, text);
}

std::string Utf8(std::wstring_view text) {
    return BytesIn(CP_UTF8, text, nullptr);
}

void UseSystemTextLocale() {
    TextLocale& locale = CurrentTextLocale();
    // The launcher's texts are UTF-8, whose one-byte characters are ASCII: a
    // separator outside it leaves the point.
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0 &&
        separator[0] != L'\0' && separator[0] < 0x80) {
        locale.decimalSeparator = static_cast<char>(separator[0]);
    }
    locale.upperCaseExtended = &SystemUpperCase;
    // A system set to use UTF-8 as its ANSI code page already holds the files
    // in the launcher's own text.
    if (GetACP() != CP_UTF8) {
        locale.fromAnsi = &FromAnsi;
        locale.toAnsi = &ToAnsi;
    }
}

}  // namespace zent
