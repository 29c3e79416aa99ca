#pragma once
// The digest by which the stand-in emulator reports the configuration it
// found, and by which the tests recognise it.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace zent {

// 32-bit FNV-1a as eight lower-case hex digits.
inline std::string Fnv1aHex(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(hash));
    return text;
}

}  // namespace zent
