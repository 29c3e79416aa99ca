#pragma once
// The text conversions every part of the launcher shares. The launcher's own
// texts (paths, window texts, messages, and the configuration once read) are
// UTF-8; the files hold ANSI text, converted where they are read and written.
// What depends on the system's settings (the decimal separator, upper-casing
// beyond a-z, the ANSI code page) comes from TextLocale.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zent {

struct TextLocale {
    char decimalSeparator = '.';
    // Upper-cases letters beyond a-z by the system's case mapping; null: left as they are.
    void (*upperCaseExtended)(std::string& text) = nullptr;
    // Text in the system's ANSI code page to UTF-8; null: the bytes as they are.
    std::string (*fromAnsi)(std::string_view ansi) = nullptr;
    // UTF-8 to the ANSI code page, with "?" for each character the code page
    // cannot hold (then lossless is false); null: the bytes as they are.
    std::string (*toAnsi)(std::string_view text, bool& lossless) = nullptr;
};

// The locale in force. The Windows start-up fills it from the system; tests set it.
TextLocale& CurrentTextLocale();

// Leading-number rule: blanks, tabs and line feeds anywhere are skipped; a sign,
// digits, "." and digits, an E or D exponent are read as far as they fit; &H and
// &O start hexadecimal and octal integers; no number at the start gives 0.
// Only "." separates decimals. Never fails.
double NumericValue(std::string_view text);

// Whole-text conversions: the whole text, blanks around it allowed, must be one
// number (the system decimal separator applies, &H and &O too). A fraction rounds
// to the nearest integer, halves to the even neighbour. Empty or non-numeric text
// throws a type mismatch, a value out of range an overflow; the description quotes
// the text.
double WholeNumber(std::string_view text);
std::int16_t WholeInteger(std::string_view text);
std::int32_t WholeLong(std::string_view text);
std::uint8_t WholeByte(std::string_view text);

// "True" or "False" in any letter case, or numeric text (true when not 0);
// anything else throws a type mismatch.
bool WholeBoolean(std::string_view text);

std::string UpperCase(std::string_view text);

// The files' ANSI text as the launcher's text, and back; AnsiText marks what the
// code page cannot hold with "?". FitsAnsi: the text converts without such a mark.
std::string TextFromAnsi(std::string_view ansi);
std::string AnsiText(std::string_view text);
bool FitsAnsi(std::string_view text);

// Every separator separates, so n separators give n + 1 fields; the empty text
// gives no field at all.
std::vector<std::string> Split(std::string_view text, char separator);

// Removes spaces (code 32) at both ends; tabs stay.
std::string TrimSpaces(std::string_view text);

// General decimal form: up to 15 significant digits, no trailing zeros, no point
// for an integral value. The separator is the given one.
std::string GeneralNumber(double value, char decimalSeparator);

// The file's number format: a blank (or "-"), the general form with the system
// decimal separator, a blank.
std::string FileNumber(double value);

}  // namespace zent
