#pragma once
// "zentconfig.ini" in memory: the global options and the games, with the reader,
// the writer and the game lookup.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

// The names of the fields from first on: "drive key, renderer type, ..., NTSC mode".
std::string GameFieldList(GameField first = kGameName);

extern ExitKeyValue ExitKeyCode;
extern bool HighPriority;
extern double CpuSpeed;
extern bool ShowFps;
extern std::int16_t GameCount;
extern std::vector<GameRecord> GameTable;

// Reads "zentconfig.ini" of the program's folder into the globals.
void LoadConfig();
// The same from the file's bytes (ANSI text) already read; path only names the
// file in error messages. A file with a byte-order mark or in UTF-16 is refused.
void LoadConfigText(std::string_view bytes, const std::string& path);

// Writes the globals to "zentconfig.ini" through a temporary file that replaces
// the old one in one step, so a failure never leaves a partial file.
void SaveConfig();
// The exact bytes SaveConfig writes: the text in the ANSI code page.
std::string ComposeConfigText();

// Cells 1 to 5 of the first row whose name equals name, letter case aside,
// joined by "|"; the empty text when no row matches, or when the code page
// cannot hold name.
std::string LookupGame(const std::string& name);

// The exit key's value as a 32-bit key code (a strict conversion of a text).
std::int32_t ExitKeyCodeValue();
// The exit key as the Settings window shows it: a decimal number, or the text held.
std::string ExitKeyCodeText();

// A game row as the list and the file hold it: the fields joined by "|".
std::string JoinGameRow(const GameRecord& record);

}  // namespace zent
