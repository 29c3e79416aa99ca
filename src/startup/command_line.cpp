#include "startup/command_line.h"

#include "startup/fatal_error.h"
#include "startup/text_conversions.h"

namespace zent {

std::string ArgumentText(std::string_view commandLine) {
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t closing = commandLine.find('"', 1);
        pos = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (pos < commandLine.size() && commandLine[pos] != ' ' && commandLine[pos] != '\t') {
            ++pos;
        }
    }
    while (pos < commandLine.size() && (commandLine[pos] == ' ' || commandLine[pos] == '\t')) {
        ++pos;
    }
    return std::string(commandLine.substr(pos));
}

std::string DeriveGameName(std::string_view argument) {
    std::string name(argument);
    if (name.find('\\') != std::string::npos) {
        name = TrimSpaces(Split(name, '\\').back());
    }
    const std::vector<std::string> pieces = Split(name, '.');
    if (pieces.empty()) {
        Fail(kSubscriptOutOfRange, "The command line " + Quoted(argument) +
                                       " names no game file: it must end with the path of a game "
                                       "image such as D:\\Images\\Space Race.img.");
    }
    return TrimSpaces(pieces.front());
}

}  // namespace zent
