#include "startup/fatal_error.h"

#include <algorithm>
#include <cstdio>

namespace zent {

const char* StandardErrorText(ErrorNumber number) {
    for (const ErrorDefinition& error : kErrors) {
        if (error.number == number) {
            return error.standardText;
        }
    }
    // Only a number cast from a plain integer misses its row.
    return "Application-defined or object-defined error";
}

FatalError::FatalError(ErrorNumber number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

FatalError FatalError::WithContext(const std::string& where) const {
    return FatalError(number_, where + description_);
}

std::string FatalError::MessageText() const {
    return "Run-time error " + std::to_string(number_) + ": " + StandardErrorText(number_) +
           "\n\n" + description_;
}

void Fail(ErrorNumber number, std::string description) {
    throw FatalError(number, std::move(description));
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kMaxShown = 80;
    // A shortened text ends before a whole character, never inside its UTF-8 bytes.
    std::size_t shown = std::min(text.size(), kMaxShown);
    while (shown < text.size() && shown > 0 && (text[shown] & 0xC0) == 0x80) {
        --shown;
    }
    std::string out = "\"";
    for (std::size_t i = 0; i < shown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "<%02X>", c);
            out += code;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (shown < text.size()) {
        out += "...";
    }
    return out + "\"";
}

}  // namespace zent
