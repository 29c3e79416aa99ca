#include "pads/pad_combination.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace zent {

namespace {

struct PadButtonName {
    std::uint32_t bit;
    const char* name;
};

// In the order the text lists them: the buttons of a combination first, the
// face buttons and the pad's cross after.
constexpr PadButtonName kPadButtonNames[] = {
    {kPadBack, "Back"},
    {kPadStart, "Start"},
    {kPadLeftShoulder, "LB"},
    {kPadRightShoulder, "RB"},
    {kPadLeftStick, "Left Stick"},
    {kPadRightStick, "Right Stick"},
    {kPadA, "A"},
    {kPadB, "B"},
    {kPadX, "X"},
    {kPadY, "Y"},
    {kPadUp, "Up"},
    {kPadDown, "Down"},
    {kPadLeft, "Left"},
    {kPadRight, "Right"},
};

constexpr const char* kSeparator = " + ";

// Pad texts are ASCII words, typed with blanks around them and in any case.
std::string Trimmed(std::string_view text) {
    while (text.starts_with(' ')) {
        text.remove_prefix(1);
    }
    while (text.ends_with(' ')) {
        text.remove_suffix(1);
    }
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return upper;
}

// The pieces between the "+" signs, trimmed and upper-cased; nothing when one is empty.
std::optional<std::vector<std::string>> Pieces(std::string_view text) {
    std::vector<std::string> pieces;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t plus = std::min(text.find('+', start), text.size());
        pieces.push_back(Trimmed(text.substr(start, plus - start)));
        if (pieces.back().empty()) {
            return std::nullopt;
        }
        start = plus + 1;
    }
    return pieces;
}

std::optional<int> Number(std::string_view digits, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> XInputButtons(std::string_view text) {
    const auto pieces = Pieces(text);
    if (!pieces) {
        return std::nullopt;
    }
    std::uint32_t buttons = 0;
    for (const std::string& piece : *pieces) {
        std::uint32_t bit = 0;
        for (const PadButtonName& button : kPadButtonNames) {
            if (piece == Trimmed(button.name)) {
                bit = button.bit;
            }
        }
        if (bit == 0 || (buttons & bit) != 0) {
            return std::nullopt;
        }
        buttons |= bit;
    }
    return buttons;
}

// "Joystick 2: buttons 9 + 10", upper-cased.
std::optional<PadCombination> JoystickCombination(const std::string& text) {
    constexpr std::string_view kJoystick = "JOYSTICK ";
    const std::size_t colon = text.find(':');
    if (!text.starts_with(kJoystick) || colon == std::string::npos) {
        return std::nullopt;
    }
    const auto id =
        Number(Trimmed(text.substr(kJoystick.size(), colon - kJoystick.size())), 1, kJoystickCount);
    std::string rest = Trimmed(text.substr(colon + 1));
    const bool several = rest.starts_with("BUTTONS ");
    if (!id || !(several || rest.starts_with("BUTTON "))) {
        return std::nullopt;
    }
    const auto pieces = Pieces(rest.substr(several ? 8 : 7));
    if (!pieces || (pieces->size() > 1) != several) {
        return std::nullopt;
    }
    PadCombination combination{PadKind::kJoystick, *id - 1, 0};
    for (const std::string& piece : *pieces) {
        const auto button = Number(piece, 1, kJoystickButtonCount);
        const std::uint32_t bit = button ? std::uint32_t{1} << (*button - 1) : 0;
        if (bit == 0 || (combination.buttons & bit) != 0) {
            return std::nullopt;
        }
        combination.buttons |= bit;
    }
    return combination;
}

}  // namespace

std::string PadCombinationText(const PadCombination& combination) {
    std::string text;
    const auto add = [&](const std::string& name) {
        text += (text.empty() ? "" : kSeparator) + name;
    };
    switch (combination.kind) {
        case PadKind::kOff:
            return "Off";
        case PadKind::kXInput:
            for (const PadButtonName& button : kPadButtonNames) {
                if ((combination.buttons & button.bit) != 0) {
                    add(button.name);
                }
            }
            return text;
        case PadKind::kJoystick:
            for (int button = 1; button <= kJoystickButtonCount; ++button) {
                if ((combination.buttons >> (button - 1) & 1) != 0) {
                    add(std::to_string(button));
                }
            }
            return "Joystick " + std::to_string(combination.joystick + 1) +
                   (text.find('+') == std::string::npos ? ": button " : ": buttons ") + text;
    }
    return text;
}

std::optional<PadCombination> ParsePadCombination(std::string_view text) {
    const std::string wanted = Trimmed(text);
    if (wanted == "OFF") {
        return PadCombination{};
    }
    if (const auto joystick = JoystickCombination(wanted)) {
        return joystick;
    }
    if (const auto buttons = XInputButtons(wanted)) {
        return PadCombination{PadKind::kXInput, 0, *buttons};
    }
    return std::nullopt;
}

std::string PadCombinationForms() {
    std::string names;
    for (const PadButtonName& button : kPadButtonNames) {
        names += (names.empty() ? "" : ", ") + std::string(button.name);
    }
    return "Off, buttons of an XInput pad joined by \"" + std::string(kSeparator) + "\" (" + names +
           "), or \"Joystick N: buttons a + b\" with N from 1 to " +
           std::to_string(kJoystickCount) + " and buttons from 1 to " +
           std::to_string(kJoystickButtonCount);
}

}  // namespace zent
