#pragma once

#include <string>
#include <string_view>

namespace zent {

// Takes the decimal separator, the case mapping and the ANSI code page of the
// user's system settings.
void UseSystemTextLocale();

// The launcher's UTF-8 texts as the Windows W functions take them, and back.
std::wstring Wide(std::string_view text);
std::string Utf8(std::wstring_view text);

}  // namespace zent
