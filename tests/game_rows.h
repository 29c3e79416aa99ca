#pragma once
// Games for tests, built from named fields with defaults: a test names only
// the fields it is about, and the rest follows the record's own definition. A
// new yes/no option of a game is then "False" in every test that does not name
// it, and no row needs rewriting. Header-only, using only the constants of the
// configuration store, so that the unit tests, the end-to-end programs and the
// bench can all include it.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "startup/config_store.h"

namespace zent::testing {

// A game as a test describes it. The yes/no options are "False" unless named in
// on. spelled gives fields a text of their own after that: an option spelt
// "TRUE" or "-1" that the reader must accept, or a value it must refuse.
struct TestGame {
    std::string name = "SPACE RACE";
    std::string driveKey = "68";
    std::string renderer = "0";
    std::vector<GameField> on = {};
    std::vector<std::pair<GameField, std::string>> spelled = {};
};

inline GameRecord GameRecordOf(const TestGame& game) {
    GameRecord record;
    record[kGameName] = game.name;
    record[kGameDriveKey] = game.driveKey;
    record[kGameRendererType] = game.renderer;
    for (std::size_t option = kGameZWriting; option < kGameFieldCount; ++option) {
        record[option] = "False";
    }
    for (const GameField option : game.on) {
        record[option] = "True";
    }
    for (const auto& [field, text] : game.spelled) {
        record[field] = text;
    }
    return record;
}

// Every yes/no option spelt as text, for TestGame::spelled.
inline std::vector<std::pair<GameField, std::string>> EveryOptionSpelled(const std::string& text) {
    std::vector<std::pair<GameField, std::string>> spelled;
    for (std::size_t option = kGameZWriting; option < kGameFieldCount; ++option) {
        spelled.emplace_back(static_cast<GameField>(option), text);
    }
    return spelled;
}

// The games of the writer's example and of the Settings window's tests, each
// with another yes/no option on.
inline const TestGame kSpaceRaceGame = {.renderer = "1", .on = {kGameZWriting}};
inline const TestGame kRoadFightGame = {
    .name = "ROAD FIGHT", .driveKey = "69", .on = {kGameNtscMode}};
inline const TestGame kAlphaGame = {
    .name = "ALPHA", .driveKey = "70", .renderer = "2", .on = {kGameAlphaZWriting}};

// The fields from first on, joined by "|".
inline std::string JoinedFields(const GameRecord& record, std::size_t first = kGameName) {
    std::string text;
    for (std::size_t field = first; field < kGameFieldCount; ++field) {
        text += (field == first ? "" : "|") + record[field];
    }
    return text;
}

// The game's line in "zentconfig.ini" and its row in the Settings window's list:
// "SPACE RACE|68|0|False|False|False".
inline std::string GameRow(const TestGame& game) {
    return JoinedFields(GameRecordOf(game));
}

// The row after the name, which the lookup hands to a launch: "68|0|False|False|False".
inline std::string GameRecordText(const TestGame& game) {
    return JoinedFields(GameRecordOf(game), kGameDriveKey);
}

// The game lines of a configuration file, each ended by CR LF.
inline std::string GameLines(std::initializer_list<TestGame> games) {
    std::string lines;
    for (const TestGame& game : games) {
        lines += GameRow(game) + "\r\n";
    }
    return lines;
}

}  // namespace zent::testing
