#include "settings/key_names.h"

#include <cmath>
#include <optional>

#include "launch/exit_key.h"
#include "startup/text_conversions.h"

namespace zent {

namespace {

struct NamedKey {
    std::int32_t code;
    const char* name;
};

// Windows' virtual-key codes of the keys that have a name of their own; letters,
// digits, the number pad's digits and the function keys follow from their ranges.
constexpr NamedKey kNamedKeys[] = {
    {8, "Backspace"},    {9, "Tab"},           {12, "Clear"},        {13, "Enter"},
    {16, "Shift"},       {17, "Ctrl"},         {18, "Alt"},          {19, "Pause"},
    {20, "Caps Lock"},   {27, "Esc"},          {32, "Space"},        {33, "Page Up"},
    {34, "Page Down"},   {35, "End"},          {36, "Home"},         {37, "Left"},
    {38, "Up"},          {39, "Right"},        {40, "Down"},         {44, "Print Screen"},
    {45, "Insert"},      {46, "Delete"},       {91, "Left Windows"}, {92, "Right Windows"},
    {93, "Menu"},        {106, "Num *"},       {107, "Num +"},       {109, "Num -"},
    {110, "Num ."},      {111, "Num /"},       {144, "Num Lock"},    {145, "Scroll Lock"},
    {160, "Left Shift"}, {161, "Right Shift"}, {162, "Left Ctrl"},   {163, "Right Ctrl"},
    {164, "Left Alt"},   {165, "Right Alt"},   {186, ";"},           {187, "="},
    {188, ","},          {189, "-"},           {190, "."},           {191, "/"},
    {192, "`"},          {219, "["},           {220, "\\"},          {221, "]"},
    {222, "'"},
};

constexpr std::int32_t kEscape = 27;

// The key a launch watches for the text once saved: its numeric value as the
// reader takes it, 0 or none meaning Esc; none when it is no keyboard key,
// which stops a launch before it starts.
std::optional<std::int32_t> LaunchKey(std::string_view text) {
    const double value = std::nearbyint(NumericValue(TrimSpaces(text)));
    if (value == 0) {
        return kEscape;
    }
    // Outside the 32 bits a key code has, no key (and NaN compares false).
    if (!(std::fabs(value) < 2147483648.0) || !IsKeyboardKey(static_cast<std::int32_t>(value))) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// What a launch does with the text: "a launch will use Esc".
std::string LaunchUse(std::string_view text) {
    const std::optional<std::int32_t> key = LaunchKey(text);
    return key ? "a launch will use " + KeyName(*key) : "a launch will refuse to start";
}

}  // namespace

std::string KeyName(std::int32_t code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 96 && code <= 105) {
        return "Num " + std::to_string(code - 96);
    }
    if (code >= 112 && code <= 135) {
        return "F" + std::to_string(code - 111);
    }
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) {
            return key.name;
        }
    }
    return "key code " + std::to_string(code);
}

bool IsKeyCodeText(std::string_view text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos) {
        return false;
    }
    return IsKeyboardKey(std::stoi(std::string(text)));
}

std::string ExitKeyShown(std::string_view text) {
    if (text.empty() || IsKeyCodeText(text)) {
        return KeyName(text.empty() ? kEscape : std::stoi(std::string(text)));
    }
    // Short, to fit beside the box; the question before saving says more.
    const std::optional<std::int32_t> key = LaunchKey(text);
    return "No key code: " + (key ? KeyName(*key) : std::string("no launch"));
}

std::string ExitKeyQuestion(std::string_view text) {
    if (text.empty() || IsKeyCodeText(text)) {
        return {};
    }
    return "The Exit Key box holds \"" + std::string(text) + "\", which is no key code, so " +
           LaunchUse(text) +
           ". To choose the key, press Redefine and then the key itself.\n\nSave \"" +
           std::string(text) + "\" as typed anyway?";
}

}  // namespace zent
