#pragma once
// A whole "zentconfig.ini" for tests, built from the options table as
// game_rows.h builds games: a test names only the lines it is about; the other
// options hold a new file's line, the count is the number of games. A new
// option then needs no test rewritten but those that pin the file's bytes.

#include <string>
#include <utility>
#include <vector>

#include "game_rows.h"
#include "startup/config_store.h"

namespace zent::testing {

struct ConfigFile {
    // The text of the lines under test, without their line end or name.
    std::vector<std::pair<GlobalOptionId, std::string>> lines = {};
    std::vector<TestGame> games = {};
    // Game lines as typed, after games: rows no TestGame makes, rows already joined.
    std::vector<std::string> rows = {};
    // The named lines after the games (the pad exit); older files have none.
    bool namedLines = true;
    const char* lineEnd = "\r\n";
};

inline std::string ConfigText(const ConfigFile& file) {
    std::string text;
    std::string named;
    for (std::size_t id = 0; id < kGlobalOptionCount; ++id) {
        const GlobalOption& option = GlobalOptions()[id];
        std::string line = id == kGameCountOption
                               ? " " + std::to_string(file.games.size() + file.rows.size()) + " "
                               : option.defaultText;
        for (const auto& [which, given] : file.lines) {
            line = which == id ? given : line;
        }
        if (option.key == nullptr) {
            text += line + file.lineEnd;
        } else if (file.namedLines && !(option.omittedAtDefault && line == option.defaultText)) {
            named += option.key + ("=" + line) + file.lineEnd;
        }
    }
    for (const TestGame& game : file.games) {
        text += GameRow(game) + file.lineEnd;
    }
    for (const std::string& row : file.rows) {
        text += row + file.lineEnd;
    }
    return text + named;
}

// How many lines the file holds by their place, up to and with the option.
inline int PlacedLines(std::size_t option = kGlobalOptionCount - 1) {
    int lines = 0;
    for (std::size_t id = 0; id <= option; ++id) {
        lines += GlobalOptions()[id].key == nullptr ? 1 : 0;
    }
    return lines;
}

// Where messages say the option's line is: the count's is "line 5".
inline std::string LineOf(GlobalOptionId option) {
    return "line " + std::to_string(PlacedLines(option));
}

// The nth game's line (from 1); the named lines follow the last game.
inline std::string LineOfGame(int game) {
    return "line " + std::to_string(PlacedLines() + game);
}

}  // namespace zent::testing
