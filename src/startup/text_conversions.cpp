#include "startup/text_conversions.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "startup/fatal_error.h"

namespace zent {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The integer after &H or &O, starting at text[pos]. Like the classic reader, up
// to 4 hex (6 octal) digits are a 16-bit word and up to 8 (11) a 32-bit one, so
// &HFFFF is -1; longer literals keep their plain value.
std::optional<double> RadixLiteral(std::string_view text, std::size_t& pos) {
    if (pos + 1 >= text.size() || text[pos] != '&') {
        return std::nullopt;
    }
    const char kind = text[pos + 1];
    int radix = 0;
    std::size_t shortDigits = 0;
    std::size_t longDigits = 0;
    if (kind == 'H' || kind == 'h') {
        radix = 16;
        shortDigits = 4;
        longDigits = 8;
    } else if (kind == 'O' || kind == 'o') {
        radix = 8;
        shortDigits = 6;
        longDigits = 11;
    } else {
        return std::nullopt;
    }
    std::size_t i = pos + 2;
    double value = 0;
    std::uint64_t bits = 0;
    std::size_t digits = 0;
    for (; i < text.size(); ++i) {
        const int d = HexDigitValue(text[i]);
        if (d < 0 || d >= radix) {
            break;
        }
        value = value * radix + d;
        bits = bits * radix + static_cast<unsigned>(d);
        ++digits;
    }
    pos = i;
    if (digits <= shortDigits && bits <= 0xFFFF) {
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(bits)));
    }
    if (digits <= longDigits && bits <= 0xFFFFFFFFu) {
        return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
    }
    // Saturates like a decimal number: an infinite CPU speed would be saved as
    // "INF", which reads back as 0, and would ask for endless speed presses.
    return std::isinf(value) ? DBL_MAX : value;
}

// A decimal number starting at text[pos]: sign, digits, separator and digits,
// E or D exponent. Returns nothing when no digit is found; pos ends after the
// last character that fitted.
std::optional<double> DecimalNumber(std::string_view text, std::size_t& pos, char separator) {
    std::string literal;
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        literal += text[i++];
    }
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        literal += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == separator) {
        std::size_t j = i + 1;
        std::string fraction;
        while (j < text.size() && IsDigit(text[j])) {
            fraction += text[j++];
        }
        if (mantissaDigits > 0 || !fraction.empty()) {
            literal += '.';
            literal += fraction;
            mantissaDigits += fraction.size();
            i = j;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        const std::size_t firstDigit = j;
        while (j < text.size() && IsDigit(text[j])) {
            exponent += text[j++];
        }
        if (j > firstDigit) {
            literal += exponent;
            i = j;
        }
    }
    pos = i;
    double value = std::strtod(literal.c_str(), nullptr);
    // Beyond the double range the value saturates: the reader never fails.
    if (std::isinf(value)) {
        value = std::copysign(DBL_MAX, value);
    }
    return value;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The whole text as one number, or nothing when it is not one.
std::optional<double> StrictNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    const std::string_view core = text.substr(begin, end - begin);
    std::size_t pos = 0;
    std::optional<double> value = RadixLiteral(core, pos);
    if (value) {
        // "&H" without digits is no number.
        if (pos == 2) {
            return std::nullopt;
        }
    } else {
        value = DecimalNumber(core, pos, CurrentTextLocale().decimalSeparator);
    }
    if (!value || pos != core.size()) {
        return std::nullopt;
    }
    return value;
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

template <typename Int>
Int WholeIntegral(std::string_view text, const char* kind) {
    const double rounded = RoundHalfEven(WholeNumber(text));
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        Fail(kOverflow, Quoted(text) + " lies outside the range of " + kind);
    }
    return static_cast<Int>(rounded);
}

}  // namespace

TextLocale& CurrentTextLocale() {
    static TextLocale locale;
    return locale;
}

double NumericValue(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    std::size_t pos = 0;
    if (std::optional<double> radix = RadixLiteral(compact, pos)) {
        return *radix;
    }
    pos = 0;
    return DecimalNumber(compact, pos, '.').value_or(0.0);
}

double WholeNumber(std::string_view text) {
    const std::optional<double> value = StrictNumber(text);
    if (!value) {
        Fail(kTypeMismatch, Quoted(text) + " is not a number");
    }
    return *value;
}

std::int16_t WholeInteger(std::string_view text) {
    return WholeIntegral<std::int16_t>(text, "-32768 to 32767");
}

std::int32_t WholeLong(std::string_view text) {
    return WholeIntegral<std::int32_t>(text, "-2147483648 to 2147483647");
}

std::uint8_t WholeByte(std::string_view text) {
    return WholeIntegral<std::uint8_t>(text, "0 to 255");
}

bool WholeBoolean(std::string_view text) {
    const std::string upper = UpperCase(TrimSpaces(text));
    if (upper == "TRUE") {
        return true;
    }
    if (upper == "FALSE") {
        return false;
    }
    const std::optional<double> value = StrictNumber(text);
    if (!value) {
        Fail(kTypeMismatch, Quoted(text) + " is neither True nor False nor a number");
    }
    return *value != 0;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (const auto extended = CurrentTextLocale().upperCaseExtended) {
        extended(out);
    }
    return out;
}

std::string TextFromAnsi(std::string_view ansi) {
    const auto convert = CurrentTextLocale().fromAnsi;
    return convert != nullptr ? convert(ansi) : std::string(ansi);
}

std::string AnsiText(std::string_view text) {
    bool lossless = true;
    const auto convert = CurrentTextLocale().toAnsi;
    return convert != nullptr ? convert(text, lossless) : std::string(text);
}

bool FitsAnsi(std::string_view text) {
    bool lossless = true;
    if (const auto convert = CurrentTextLocale().toAnsi) {
        convert(text, lossless);
    }
    return lossless;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> fields;
    if (text.empty()) {
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string GeneralNumber(double value, char decimalSeparator) {
    if (value == 0) {
        return "0";  // also for -0
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    for (char& c : text) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
}

std::string FileNumber(double value) {
    std::string digits = GeneralNumber(std::fabs(value), CurrentTextLocale().decimalSeparator);
    const bool negative = value < 0 && digits != "0";
    return (negative ? "-" : " ") + digits + " ";
}

}  // namespace zent
