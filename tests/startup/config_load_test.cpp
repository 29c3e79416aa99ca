#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <variant>

#include "config_file.h"
#include "game_rows.h"
#include "startup/capture_fatal.h"
#include "startup/config_test_fixture.h"
#include "startup/latin1_ansi.h"

namespace zent {
namespace {

using testing::ConfigFile;
using testing::ConfigText;
using testing::GameRecordOf;
using testing::GameRow;
using testing::kRoadFightGame;
using testing::kSpaceRaceGame;
using testing::LineOf;
using testing::LineOfGame;
using testing::TestGame;

// The lines up to the count, which reads count, and the lines after it.
std::string Counted(const std::string& count, const std::vector<std::string>& after = {}) {
    return ConfigText({.lines = {{kGameCountOption, count}}, .rows = after, .namedLines = false});
}

// A file whose lines are all ordinary except the one under test.
std::string OptionFile(GlobalOptionId option, const std::string& line) {
    return ConfigText({.lines = {{option, line}}});
}

using LoadConfigTest = ConfigTest;

// --- line 1: the exit key ---

struct ExitKeyCase {
    const char* line;
    double value;
};

void PrintTo(const ExitKeyCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.line)) << " is " << c.value;
}

class ExitKeyLineTest : public ConfigTest, public ::testing::WithParamInterface<ExitKeyCase> {};

TEST_P(ExitKeyLineTest, ReadsTheNumberOr27) {
    Config.ExitKeyCode = std::string("stale");
    Load(OptionFile(kExitKeyOption, GetParam().line));
    ASSERT_TRUE(std::holds_alternative<double>(Config.ExitKeyCode));
    EXPECT_EQ(std::get<double>(Config.ExitKeyCode), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Line1, ExitKeyLineTest,
                         ::testing::Values(ExitKeyCase{"0", 27}, ExitKeyCase{"", 27},
                                           ExitKeyCase{"abc", 27}, ExitKeyCase{"   ", 27},
                                           ExitKeyCase{"112", 112}, ExitKeyCase{" 112 ", 112},
                                           ExitKeyCase{"-1", -1}, ExitKeyCase{"27", 27},
                                           ExitKeyCase{"&H70", 112}, ExitKeyCase{"0.0", 27}));

// --- lines 2 and 4: the flags ---

struct FlagCase {
    const char* line;
    bool value;
};

void PrintTo(const FlagCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.line)) << " is " << (c.value ? "True" : "False");
}

class FlagLineTest : public ConfigTest, public ::testing::WithParamInterface<FlagCase> {};

// Each flag's line sets its flag only.
TEST_P(FlagLineTest, Lines2And4AreHighPriorityAndShowFps) {
    for (const auto& [line, flag, other] :
         {std::tuple{kHighPriorityOption, &Config.HighPriority, &Config.ShowFps},
          std::tuple{kShowFpsOption, &Config.ShowFps, &Config.HighPriority}}) {
        *other = true;
        Load(OptionFile(line, GetParam().line));
        EXPECT_EQ(*flag, GetParam().value) << LineOf(line);
        EXPECT_FALSE(*other) << LineOf(line);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines2And4, FlagLineTest,
                         ::testing::Values(FlagCase{"1", true}, FlagCase{"2", true},
                                           FlagCase{"-1", true}, FlagCase{"0.5", true},
                                           FlagCase{" 1 ", true}, FlagCase{"0", false},
                                           FlagCase{"", false}, FlagCase{"yes", false},
                                           FlagCase{"True", false}, FlagCase{"0,5", false}));

// --- line 3: the CPU speed ---

struct CpuCase {
    const char* line;
    double value;
};

void PrintTo(const CpuCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.line)) << " is " << c.value;
}

class CpuSpeedLineTest : public ConfigTest, public ::testing::WithParamInterface<CpuCase> {};

// Only the point separates decimals, whatever the system says.
TEST_P(CpuSpeedLineTest, ReadsTheLeadingNumber) {
    for (const char separator : {'.', ','}) {
        CurrentTextLocale().decimalSeparator = separator;
        Config.CpuSpeed = 55;
        Load(OptionFile(kCpuSpeedOption, GetParam().line));
        EXPECT_DOUBLE_EQ(Config.CpuSpeed, GetParam().value) << separator;
    }
}

INSTANTIATE_TEST_SUITE_P(Line3, CpuSpeedLineTest,
                         ::testing::Values(CpuCase{" 100 ", 100}, CpuCase{"87.5", 87.5},
                                           CpuCase{"87,5", 87}, CpuCase{" 87,5 ", 87},
                                           CpuCase{"", 0}, CpuCase{"fast", 0}, CpuCase{"-20", -20},
                                           CpuCase{"1E3", 1000}));

// --- line 5 and the game lines ---

TEST_F(LoadConfigTest, CountOf0OrLessLeavesTheGamesTableUntouched) {
    for (const char* count : {"0", " 0 ", "-3"}) {
        Config.GameTable = {GameRecordOf({.name = "EARLIER"})};
        Config.GameCount = 1;
        Load(Counted(count, {"not a game line"}));
        EXPECT_EQ(Config.GameCount, WholeInteger(count)) << count;
        ASSERT_EQ(Config.GameTable.size(), 1u) << count;
        EXPECT_EQ(Config.GameTable[0][0], "EARLIER") << count;
        EXPECT_EQ(LookupGame("EARLIER"), "") << count;
    }
}

TEST_F(LoadConfigTest, FiveOptionLinesAndACountOf0Load) {
    Load(ConfigText({.namedLines = false}));
    EXPECT_EQ(Config.GameCount, 0);
    EXPECT_TRUE(Config.GameTable.empty());
    // Without the final line end, too.
    std::string text = ConfigText({.lines = {{kShowFpsOption, "1"}}, .namedLines = false});
    Load(text.substr(0, text.size() - 2));
    EXPECT_TRUE(Config.ShowFps);
}

TEST_F(LoadConfigTest, ReadsTheWritersExampleOfTwoGames) {
    Load(ConfigText({.lines = {{kHighPriorityOption, "1"}},
                     .games = {kSpaceRaceGame, kRoadFightGame},
                     .namedLines = false}));
    EXPECT_EQ(std::get<double>(Config.ExitKeyCode), 27);
    EXPECT_TRUE(Config.HighPriority);
    EXPECT_DOUBLE_EQ(Config.CpuSpeed, 100);
    EXPECT_FALSE(Config.ShowFps);
    EXPECT_EQ(Config.GameCount, 2);
    const std::vector<GameRecord> expected = {GameRecordOf(kSpaceRaceGame),
                                              GameRecordOf(kRoadFightGame)};
    EXPECT_EQ(Config.GameTable, expected);
}

TEST_F(LoadConfigTest, UpperCasesCells0To2Only) {
    const TestGame lowerCase = {
        .name = "space race",
        .driveKey = "d8",
        .renderer = "x1",
        .spelled = {
            {kGameZWriting, "true"}, {kGameAlphaZWriting, "false"}, {kGameNtscMode, "ntsc"}}};
    Load(ConfigText({.games = {lowerCase}}));
    GameRecord expected = GameRecordOf(lowerCase);
    expected[kGameName] = "SPACE RACE";
    expected[kGameDriveKey] = "D8";
    expected[kGameRendererType] = "X1";
    ASSERT_EQ(Config.GameTable.size(), 1u);
    EXPECT_EQ(Config.GameTable[0], expected);
}

TEST_F(LoadConfigTest, UpperCasingFollowsTheSystemMappingBeyondAscii) {
    CurrentTextLocale().upperCaseExtended = &UpperCaseLatin1EAcute;
    const TestGame accented = {.name = "caf\xE9", .spelled = testing::EveryOptionSpelled("\xE9")};
    Load(ConfigText({.games = {accented}}));
    GameRecord expected = GameRecordOf(accented);
    expected[kGameName] = "CAF\xC9";
    EXPECT_EQ(Config.GameTable[0], expected);
}

TEST_F(LoadConfigTest, ReadsTheFileAsAnsiText) {
    UseLatin1AsAnsi();
    Load(ConfigText(
        {.games = {{.name = "caf\xE9", .spelled = testing::EveryOptionSpelled("\xE9")}}}));
    const GameRecord expected =
        GameRecordOf({.name = "CAF\u00E9", .spelled = testing::EveryOptionSpelled("\u00E9")});
    EXPECT_EQ(Config.GameTable[0], expected);
}

TEST_F(LoadConfigTest, KeepsBlanksBesideTheSeparators) {
    const TestGame blanks = {
        .name = " Space Race ",
        .driveKey = " 68 ",
        .renderer = "1 ",
        .spelled = {
            {kGameZWriting, " True"}, {kGameAlphaZWriting, "False "}, {kGameNtscMode, "False "}}};
    Load(ConfigText({.games = {blanks}}));
    GameRecord expected = GameRecordOf(blanks);
    expected[kGameName] = " SPACE RACE ";
    EXPECT_EQ(Config.GameTable[0], expected);
    EXPECT_EQ(LookupGame("Space Race"), "");
}

TEST_F(LoadConfigTest, IgnoresFieldsAfterTheLast) {
    Load(Counted("1", {GameRow(kSpaceRaceGame) + "|extra|more"}));
    EXPECT_EQ(Config.GameTable[0], GameRecordOf(kSpaceRaceGame));
}

TEST_F(LoadConfigTest, NeverReadsLinesAfterTheAnnouncedGames) {
    Load(Counted(" 1 ", {GameRow(kSpaceRaceGame), "broken", ""}));
    EXPECT_EQ(Config.GameCount, 1);
    EXPECT_EQ(Config.GameTable.size(), 1u);
}

TEST_F(LoadConfigTest, ALoadWithGamesReplacesTheWholeTable) {
    Config.GameTable.assign(5, GameRecordOf({.name = "OLD"}));
    Load(ConfigText({.games = {{.name = "A", .driveKey = "65"}, {.name = "B", .driveKey = "66"}}}));
    ASSERT_EQ(Config.GameTable.size(), 2u);
    EXPECT_EQ(Config.GameTable[0][0], "A");
    EXPECT_EQ(Config.GameTable[1][0], "B");
}

TEST_F(LoadConfigTest, ALoneCarriageReturnEndsALineToo) {
    Load(ConfigText({.lines = {{kHighPriorityOption, "1"}},
                     .games = {kSpaceRaceGame, kRoadFightGame},
                     .namedLines = false,
                     .lineEnd = "\r"}));
    EXPECT_TRUE(Config.HighPriority);
    EXPECT_EQ(Config.GameCount, 2);
    EXPECT_EQ(Config.GameTable[1], GameRecordOf(kRoadFightGame));
}

// The pad exit's line comes anywhere after the announced games, behind any other
// line there (an older file's extra game); without it, the default.
TEST_F(LoadConfigTest, ReadsThePadExitAnywhereAfterTheGamesOrGivesItsDefault) {
    const struct {
        std::string bytes;
        PadCombination padExit;
    } cases[] = {
        {ConfigText({.lines = {{kPadExitOption, "joystick 2: BUTTONS 10 + 9"}},
                     .games = {kSpaceRaceGame}}),
         {PadKind::kJoystick, 1, 0x300}},
        {Counted(" -1 ", {"PadExit=Off"}), {}},
        {Counted(" 0 ", {" padexit = Off"}), {}},
        {ConfigText({.games = {kSpaceRaceGame}, .namedLines = false}), kDefaultPadExit},
        {Counted(" 1 ", {GameRow(kSpaceRaceGame), GameRow(kRoadFightGame), "PadExit=Off"}), {}},
        {Counted(" 1 ", {GameRow(kSpaceRaceGame), GameRow(kRoadFightGame)}), kDefaultPadExit},
    };
    for (const auto& c : cases) {
        Config.PadExit = {PadKind::kJoystick, 5, 1};
        Load(c.bytes);
        EXPECT_EQ(Config.PadExit, c.padExit) << c.bytes;
    }
}

TEST_F(LoadConfigTest, ReadsTheDisplayAfterTheGamesInAnyOrderOrThePrimary) {
    for (const auto& [named, display] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{"Display=2", "PadExit=Off"}, 2},
             {{"PadExit=Off", " display = 12 "}, 12},
             {{"Display=primary"}, 0},
             {{}, 0}}) {
        Config.Display = {7};
        Load(Counted(" 0 ", named));
        EXPECT_EQ(Config.Display.number, display) << display;
    }
}

#ifdef ZENT_EXAMPLE_CONFIG
// The file a first installation copies reads as a new file's lines say.
TEST_F(LoadConfigTest, TheShippedExampleLoadsAsANewFile) {
    std::ifstream example(ZENT_EXAMPLE_CONFIG, std::ios::binary);
    ASSERT_TRUE(example) << ZENT_EXAMPLE_CONFIG;
    Load(std::string(std::istreambuf_iterator<char>(example), {}));
    const std::string loaded = ComposeConfigText();
    Load(ConfigText({}));
    EXPECT_EQ(loaded, ComposeConfigText());
}
#endif

TEST_F(LoadConfigTest, ReadsZentconfigIniInTheProgramFolder) {
    Load(ConfigText({}));
    EXPECT_EQ(files_.log, std::vector<std::string>{"Open C:\\Zent\\zentconfig.ini"});
}

TEST_F(LoadConfigTest, ARootFolderGivesADoubledBackslash) {
    SetProgramFolder("C:\\");
    files_.files["C:\\\\zentconfig.ini"] = OptionFile(kExitKeyOption, "112");
    LoadConfig();
    EXPECT_EQ(std::get<double>(Config.ExitKeyCode), 112);
}

// --- failures: every one names the file, the line and what it found ---

struct LoadFailureCase {
    const char* name;
    std::string bytes;
    int error;
    std::vector<std::string> mentions;  // besides the path
};

void PrintTo(const LoadFailureCase& failure, std::ostream* out) {
    *out << failure.name;
}

class LoadConfigFailureTest : public ConfigTest,
                              public ::testing::WithParamInterface<LoadFailureCase> {};

TEST_P(LoadConfigFailureTest, StopsWithAnErrorThatSaysWhatToFix) {
    const auto error = CaptureFatal([this] { Load(GetParam().bytes); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), GetParam().error);
    EXPECT_NE(error->description().find(kConfigPath), std::string::npos) << error->description();
    for (const std::string& mention : GetParam().mentions) {
        EXPECT_NE(error->description().find(mention), std::string::npos)
            << "missing " << mention << " in: " << error->description();
    }
}

const std::string kCountLine = LineOf(kGameCountOption);

// The first lines of an ordinary file.
std::string FirstLines(int count) {
    const std::string text = ConfigText({});
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        end = text.find("\r\n", end) + 2;
    }
    return text.substr(0, end);
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

// The file as an editor saves it in UTF-16, with or without its byte-order mark.
std::string Utf16(const std::string& ascii, bool bigEndian, bool withMark) {
    std::string bytes = withMark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char c : ascii) {
        bytes += bigEndian ? std::string(1, '\0') + c : std::string(1, c) + '\0';
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Line5AndGameLines, LoadConfigFailureTest,
    ::testing::Values(
        LoadFailureCase{"CountIsAWord", Counted("x"), kTypeMismatch, {kCountLine, "\"x\""}},
        LoadFailureCase{"CountIsEmpty", Counted(""), kTypeMismatch, {kCountLine, "\"\""}},
        LoadFailureCase{
            "CountHasADecimalComma", Counted("2,5"), kTypeMismatch, {kCountLine, "\"2,5\""}},
        LoadFailureCase{"CountTooLarge", Counted("40000"), kOverflow, {kCountLine, "\"40000\""}},
        LoadFailureCase{"CountTooSmall", Counted("-32769"), kOverflow, {kCountLine, "\"-32769\""}},
        LoadFailureCase{"GameLineWithFiveFields",
                        Counted(" 2 ", {GameRow({.name = "A"}), "B|66|1|True|True"}),
                        kSubscriptOutOfRange,
                        {LineOfGame(2), "\"B|66|1|True|True\""}},
        LoadFailureCase{
            "EmptyGameLine", Counted(" 1 ", {""}), kSubscriptOutOfRange, {LineOfGame(1), "\"\""}},
        LoadFailureCase{"FewerGameLinesThanAnnounced",
                        Counted(" 2 ", {GameRow({.name = "A"})}),
                        kInputPastEndOfFile,
                        {LineOfGame(2)}},
        LoadFailureCase{"FewerThanFiveLines", FirstLines(3), kInputPastEndOfFile, {"line 4"}},
        LoadFailureCase{"EmptyFile", "", kInputPastEndOfFile, {"line 1"}},
        LoadFailureCase{"PadExitMisspelt",
                        ConfigText({.lines = {{kPadExitOption, "Back + Strat"}},
                                    .games = {kSpaceRaceGame, kRoadFightGame}}),
                        kTypeMismatch,
                        {LineOfGame(3), "\"Back + Strat\"", "Joystick N"}},
        LoadFailureCase{
            "Display0", Counted(" 0 ", {"Display=0"}), kTypeMismatch, {LineOfGame(1), "\"0\""}},
        LoadFailureCase{"GameLineWithOneField",
                        Counted(" 1 ", {"A"}),
                        kSubscriptOutOfRange,
                        {LineOfGame(1), "\"A\", which has 1 field;"}},
        // Shortened between two letters, never inside one's UTF-8 bytes.
        LoadFailureCase{"LongLineShortenedBetweenLetters",
                        Counted(" 1 ", {"A" + Repeated("\u0436", 50)}),
                        kSubscriptOutOfRange,
                        {"\"A" + Repeated("\u0436", 39) + "...\""}},
        LoadFailureCase{"Utf8ByteOrderMark",
                        "\xEF\xBB\xBF" + OptionFile(kExitKeyOption, "81"),
                        kPathFileAccessError,
                        {"UTF-8 byte-order mark", "ANSI text"}},
        LoadFailureCase{"Utf16WithMark",
                        Utf16(OptionFile(kExitKeyOption, "81"), false, true),
                        kPathFileAccessError,
                        {"UTF-16", "ANSI text"}},
        LoadFailureCase{"Utf16BigEndianWithoutMark",
                        Utf16(OptionFile(kExitKeyOption, "81"), true, false),
                        kPathFileAccessError,
                        {"UTF-16", "ANSI text"}},
        LoadFailureCase{"LoneLineFeeds",
                        ConfigText({.lines = {{kHighPriorityOption, "1"}}, .lineEnd = "\n"}),
                        kInputPastEndOfFile,
                        {"line 2", "\"27<0A>1<0A>", "CR LF"}}),
    [](const ::testing::TestParamInfo<LoadFailureCase>& info) { return info.param.name; });

// The messages about a game's fields name them as one list: "name, drive key,
// ... and NTSC mode", or from a later field on.
TEST(GameFieldListTest, JoinsTheNamesWithCommasAndTheLastWithAnd) {
    const auto name = [](std::size_t field) { return std::string(kGameFieldNames[field]); };
    constexpr std::size_t kLast = kGameFieldCount - 1;
    EXPECT_EQ(GameFieldList(static_cast<GameField>(kLast)), name(kLast));
    EXPECT_EQ(GameFieldList(static_cast<GameField>(kLast - 1)),
              name(kLast - 1) + " and " + name(kLast));
    for (std::size_t first = kGameName; first + 2 <= kLast; ++first) {
        EXPECT_EQ(GameFieldList(static_cast<GameField>(first)),
                  name(first) + ", " + GameFieldList(static_cast<GameField>(first + 1)));
    }
    EXPECT_EQ(GameFieldList(), GameFieldList(kGameName));
}

TEST_F(LoadConfigTest, AMissingFileIsFatalAndNamed) {
    const auto error = CaptureFatal([] { LoadConfig(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), kFileNotFound);
    EXPECT_NE(error->description().find(kConfigPath), std::string::npos) << error->description();
}

}  // namespace
}  // namespace zent
