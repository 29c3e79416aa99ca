// The configuration reader's saved fuzz inputs are files of the current
// format, made by the tests' file builder: a change of the format fails here
// until they are made again (ZENT_WRITE_CORPUS=1 writes them), so none goes
// stale and quietly fuzzes lines that no longer mean what its name says.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "config_file.h"

namespace zent::testing {
namespace {

struct CorpusEntry {
    const char* name;
    ConfigFile file;
    // Bytes after the file: lines the builder does not make, a NUL and the name
    // to look up.
    std::string after = {};
};

const TestGame kRoadFight2 = {.name = "ROAD FIGHT",
                              .driveKey = "69",
                              .renderer = "2",
                              .on = {kGameZWriting, kGameAlphaZWriting}};
const TestGame kEmptyCells = {
    .name = "", .driveKey = "", .renderer = "", .spelled = EveryOptionSpelled("")};

// clang-format off
const CorpusEntry kCorpus[] = {
    {"count_overflow", {.lines = {{kExitKeyOption, "0"}, {kHighPriorityOption, "1"}, {kCpuSpeedOption, "&H64"}, {kGameCountOption, "40000"}}, .namedLines = false}},
    {"count_word", {.lines = {{kExitKeyOption, "abc"}, {kHighPriorityOption, "0.5"}, {kCpuSpeedOption, "87,5"}, {kShowFpsOption, "yes"}, {kGameCountOption, "x"}}, .namedLines = false}},
    {"example_config", {.lines = {{kShowFpsOption, "1"}}, .games = {{}, kRoadFight2}}},
    {"five_fields", {.lines = {{kHighPriorityOption, "1"}, {kGameCountOption, " 1 "}}, .namedLines = false}, "SPACE RACE|68|1|True|False\r\n"},
    {"lone_cr", {.lines = {{kExitKeyOption, "-1"}, {kCpuSpeedOption, " 75 "}}, .games = {kEmptyCells}, .namedLines = false, .lineEnd = "\r"}, std::string(1, '\0')},
    {"lone_lf", {.lines = {{kHighPriorityOption, "1"}}, .namedLines = false, .lineEnd = "\n"}},
    {"no_games", {.lines = {{kShowFpsOption, "1"}}}},
    {"pad_exit_joystick", {.lines = {{kPadExitOption, "Joystick 16: buttons 1 + 32"}}, .games = {kSpaceRaceGame}}},
    {"seventh_field", {.lines = {{kExitKeyOption, "112"}, {kHighPriorityOption, "-1"}, {kCpuSpeedOption, " 1.5E2 "}, {kShowFpsOption, "1"}, {kGameCountOption, " 1 "}}, .namedLines = false},
     std::string("space race|68|1|True|False|False|extra\r\n\0Space Race", 51)},
    {"two_games", {.lines = {{kHighPriorityOption, "1"}}, .games = {kSpaceRaceGame, kRoadFightGame}}},
    {"two_games_lookup", {.lines = {{kHighPriorityOption, "1"}}, .games = {kSpaceRaceGame, kRoadFightGame}}, std::string("\0space race", 11)},
};
// clang-format on

// Inputs that hold no whole line of the format.
const std::set<std::string> kFormatFree = {"short_file"};

TEST(FuzzCorpusTest, EveryInputIsMadeByTheBuilderInTheCurrentFormat) {
    const std::filesystem::path folder = ZENT_CONFIG_FUZZ_CORPUS;
    const bool write = std::getenv("ZENT_WRITE_CORPUS") != nullptr;
    std::set<std::string> made;
    for (const CorpusEntry& entry : kCorpus) {
        const std::string bytes = ConfigText(entry.file) + entry.after;
        if (write) {
            std::ofstream(folder / entry.name, std::ios::binary) << bytes;
        }
        std::ifstream in(folder / entry.name, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes)
            << entry.name << " is stale: run the test with ZENT_WRITE_CORPUS=1";
        made.insert(entry.name);
    }
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        const std::string name = file.path().filename().string();
        EXPECT_TRUE(made.contains(name) || kFormatFree.contains(name))
            << name << " is no entry of the builder's";
    }
}

}  // namespace
}  // namespace zent::testing
