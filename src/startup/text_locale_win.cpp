#include "startup/text_locale_win.h"

#include <windows.h>

#include "startup/text_conversions.h"

namespace zent {

namespace {
void SystemUpperCase(std::string& text) {
    if (!text.empty()) {
        CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    }
}
}  // namespace

void UseSystemTextLocale() {
    TextLocale& locale = CurrentTextLocale();
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 0 &&
        separator[0] != '\0') {
        locale.decimalSeparator = separator[0];
    }
    locale.upperCaseExtended = &SystemUpperCase;
}

}  // namespace zent
