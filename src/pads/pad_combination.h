#pragma once
// The buttons of a pad that end a game, as the configuration file stores them
// and the Settings window shows them: one text for both, "Back + Start",
// "Joystick 2: buttons 9 + 10" or "Off".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zent {

// Where the combination is read: an XInput pad in any of its four slots, or one
// joystick or encoder of winmm's sixteen.
enum class PadKind { kOff, kXInput, kJoystick };

// XInput's button bits (wButtons of XINPUT_GAMEPAD); pad_reader_win.cpp checks
// them against the Windows headers.
inline constexpr std::uint32_t kPadUp = 0x0001;
inline constexpr std::uint32_t kPadDown = 0x0002;
inline constexpr std::uint32_t kPadLeft = 0x0004;
inline constexpr std::uint32_t kPadRight = 0x0008;
inline constexpr std::uint32_t kPadStart = 0x0010;
inline constexpr std::uint32_t kPadBack = 0x0020;
inline constexpr std::uint32_t kPadLeftStick = 0x0040;
inline constexpr std::uint32_t kPadRightStick = 0x0080;
inline constexpr std::uint32_t kPadLeftShoulder = 0x0100;
inline constexpr std::uint32_t kPadRightShoulder = 0x0200;
inline constexpr std::uint32_t kPadA = 0x1000;
inline constexpr std::uint32_t kPadB = 0x2000;
inline constexpr std::uint32_t kPadX = 0x4000;
inline constexpr std::uint32_t kPadY = 0x8000;

inline constexpr int kJoystickCount = 16;
inline constexpr int kJoystickButtonCount = 32;

struct PadCombination {
    PadKind kind = PadKind::kOff;
    // winmm's joystick id, 0 to 15, shown from 1 as Windows' game controller
    // panel numbers them; 0 for the other kinds.
    int joystick = 0;
    // XInput: the button bits above. Joystick: bit n - 1 for button n (1 to 32).
    std::uint32_t buttons = 0;
    bool operator==(const PadCombination&) const = default;
};

// Back and Start held together on any XInput pad.
inline constexpr PadCombination kDefaultPadExit{PadKind::kXInput, 0, kPadBack | kPadStart};

// "Back + Start", "Joystick 2: buttons 9 + 10", "Joystick 1: button 3", "Off".
std::string PadCombinationText(const PadCombination& combination);
// The reverse of PadCombinationText, blanks around the words, letter case and
// the order of the buttons aside; nothing for any other text (an unknown or
// repeated button, a joystick outside 1 to 16, a button outside 1 to 32, no
// button at all).
std::optional<PadCombination> ParsePadCombination(std::string_view text);
// The texts ParsePadCombination takes, in words for a message.
std::string PadCombinationForms();

}  // namespace zent
