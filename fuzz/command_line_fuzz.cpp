// The command line as Windows hands it over, through the argument text to the
// game's key name.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "startup/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view commandLine(reinterpret_cast<const char*>(data), size);
    const std::string argument = zent::ArgumentText(commandLine);
    if (!commandLine.ends_with(argument)) {
        zent::FuzzFinding("the argument text is not the tail of the command line");
    }
    try {
        const std::string name = zent::DeriveGameName(argument);
        if (name.find('\\') != std::string::npos || name.find('.') != std::string::npos) {
            zent::FuzzFinding("a key name holding a folder separator or a dot");
        }
        if (!name.empty() && (name.front() == ' ' || name.back() == ' ')) {
            zent::FuzzFinding("a key name with blanks at its ends");
        }
    } catch (const zent::FatalError& error) {
        zent::CheckFatalError(error);
    }
    return 0;
}
