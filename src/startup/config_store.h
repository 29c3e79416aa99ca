#pragma once
// "zentconfig.ini" in memory: the global options and the games, with the reader,
// the writer and the game lookup.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "pads/pad_combination.h"

namespace zent {

inline constexpr const char* kConfigFileName = "zentconfig.ini";

// A number after a load; the Settings window stores its exit-key box text.
using ExitKeyValue = std::variant<double, std::string>;

// The fields of a game, in the order of the file's game lines and of the games
// list's rows. A new field is one more name here (before kGameFieldCount), its
// description below, and its uses.
enum GameField : std::size_t {
    kGameName,
    kGameDriveKey,
    kGameRendererType,
    // From here on the yes/no options that the renderer dialog asks for.
    kGameZWriting,
    kGameAlphaZWriting,
    kGameNtscMode,
    kGameFieldCount,
};
inline constexpr std::size_t kGameOptionCount = kGameFieldCount - kGameZWriting;

// What each field holds, as messages name it.
inline constexpr const char* kGameFieldNames[] = {
    "name", "drive key", "renderer type", "Z-Writing", "Alpha-Tested Z-Writing", "NTSC mode",
};
static_assert(std::size(kGameFieldNames) == kGameFieldCount);

using GameRecord = std::array<std::string, kGameFieldCount>;

// The display the game goes to: the number N of Windows' name "\\.\DISPLAYN",
// or 0 for whichever display is the primary.
struct DisplayChoice {
    int number = 0;
    bool operator==(const DisplayChoice&) const = default;
};

// The names of the fields from first on: "drive key, renderer type, ..., NTSC mode".
std::string GameFieldList(GameField first = kGameName);

// What "zentconfig.ini" holds: the global options and the games. One value of
// the process, Config; a fresh Configuration is the state before any load.
struct Configuration {
    ExitKeyValue ExitKeyCode = 0.0;
    bool HighPriority = false;
    double CpuSpeed = 0;
    bool ShowFps = false;
    std::int16_t GameCount = 0;
    std::vector<GameRecord> GameTable;
    PadCombination PadExit = kDefaultPadExit;
    DisplayChoice Display;
};
extern Configuration Config;

// The global options, in the order of kGlobalOptions. A new option is a member
// of Configuration, a name here and its row in kGlobalOptions (config_store.cpp);
// the reader, the writer and the Settings window follow.
enum GlobalOptionId : std::size_t {
    kExitKeyOption,
    kHighPriorityOption,
    kCpuSpeedOption,
    kShowFpsOption,
    kGameCountOption,
    kPadExitOption,
    kDisplayOption,
    kGlobalOptionCount,
};

// The member of Config an option fills. Its type says how its line is read and written:
// - ExitKeyValue: the key's numeric value, 0 or none reading as 27; a text
//   written as held, a number as below;
// - bool: "1" or "0"; any number but 0 reads as on; a check box in Settings;
// - double: its leading number; written with a blank before and after (a "-"
//   instead of the first for a negative value); a text box in Settings;
// - std::int16_t: the number of games, a whole number from -32768 to 32767,
//   written as a double; the game lines follow it;
// - PadCombination: its text, on a line "key=text" after the game lines;
// - DisplayChoice: "Primary" or the display's number, on a line "key=text"
//   after the game lines, written only for a display other than the primary;
//   a drop-down list in Settings.
using OptionValue = std::variant<ExitKeyValue Configuration::*, bool Configuration::*,
                                 double Configuration::*, std::int16_t Configuration::*,
                                 PadCombination Configuration::*, DisplayChoice Configuration::*>;

// Where the Settings window shows an option, in twips: its box (a text box, a
// check box, the display's drop-down list, or the pad exit's read-only box with
// its "Change..." button to the right) and, but for a check box, a label with
// the caption at the left edge. tabIndex places the box in the window's tab
// order; the label follows it.
struct OptionControl {
    const char* caption = nullptr;  // none: no control
    int tabIndex = 0;
    int left = 0, top = 0, width = 0, height = 0;
    int labelTop = 0, labelWidth = 0, labelHeight = 0;
};

struct GlobalOption {
    // What its line holds, as messages name it: "the exit key".
    const char* what;
    OptionValue value;
    // The text a line of a new file holds (a count the games give).
    const char* defaultText;
    // Lines after the games are named "key=text"; the others go by their place.
    const char* key;
    OptionControl control;
    // A named line left out while it holds defaultText, so that a file without
    // the choice stays as older versions wrote it.
    bool omittedAtDefault = false;
};

std::span<const GlobalOption, kGlobalOptionCount> GlobalOptions();

// Reads "zentconfig.ini" of the program's folder into Config.
void LoadConfig();
// The same from the file's bytes (ANSI text) already read; path only names the
// file in error messages. A file with a byte-order mark or in UTF-16 is refused.
void LoadConfigText(std::string_view bytes, const std::string& path);

// Writes Config to "zentconfig.ini" through a temporary file that replaces
// the old one in one step, so a failure never leaves a partial file.
void SaveConfig();
// The exact bytes SaveConfig writes: the text in the ANSI code page.
std::string ComposeConfigText();

// The first of the GameCount rows whose name equals name, letter case aside;
// null when no row matches, or when the code page cannot hold name.
const GameRecord* FindGame(const std::string& name);
// Cells 1 to 5 of a game joined by "|": "68|0|True|False|False".
std::string RecordText(const GameRecord& record);
// The record text of FindGame's row; the empty text for no row.
std::string LookupGame(const std::string& name);

// The exit key's value as a 32-bit key code (a strict conversion of a text).
std::int32_t ExitKeyCodeValue();
// The exit key as the Settings window shows it: a decimal number, or the text held.
std::string ExitKeyCodeText();

// A game row as the list and the file hold it: the fields joined by "|".
std::string JoinGameRow(const GameRecord& record);

}  // namespace zent
