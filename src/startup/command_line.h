#pragma once

#include <string>
#include <string_view>

namespace zent {

// The argument text: the command line without the program's own path (quoted or
// not) and the blanks after it. Quotation marks in the rest stay.
std::string ArgumentText(std::string_view commandLine);

// The game's key name: the text after the last "\" of the argument, trimmed,
// then the text before its first ".", trimmed. Letter case and quotation marks
// stay; "/" is no separator. An argument that leaves nothing before the split at
// "." (it ends with "\") throws "subscript out of range".
std::string DeriveGameName(std::string_view argument);

}  // namespace zent
