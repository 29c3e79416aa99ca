#pragma once
// An ANSI code page for native tests: Latin-1, whose bytes are the first 256
// code points, so that a test can say which texts the files can hold.

#include <string>
#include <string_view>

#include "startup/text_conversions.h"

namespace zent {

inline std::string Latin1ToUtf8(std::string_view ansi) {
    std::string text;
    for (const char c : ansi) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

inline std::string Utf8ToLatin1(std::string_view text, bool& lossless) {
    std::string ansi;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ansi += text[i];
            continue;
        }
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (length == 2 && lead <= 0xC3 && i + 1 < text.size()) {
            ansi += static_cast<char>(((lead & 0x1F) << 6) |
                                      (static_cast<unsigned char>(text[i + 1]) & 0x3F));
        } else {
            ansi += '?';
            lossless = false;
        }
        i += length - 1;
    }
    return ansi;
}

// The system's upper-casing beyond ASCII, as Latin-1 and Windows-1252 have it,
// for one letter: é (0xE9) becomes É (0xC9).
inline void UpperCaseLatin1EAcute(std::string& text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) == 0xE9) {
            c = static_cast<char>(0xC9);
        }
    }
}

inline void UseLatin1AsAnsi() {
    CurrentTextLocale().fromAnsi = &Latin1ToUtf8;
    CurrentTextLocale().toAnsi = &Utf8ToLatin1;
}

}  // namespace zent
