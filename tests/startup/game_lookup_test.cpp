#include <gtest/gtest.h>

#include <string>

#include "config_file.h"
#include "game_rows.h"
#include "startup/config_test_fixture.h"
#include "startup/latin1_ansi.h"

namespace zent {
namespace {

using testing::GameRecordOf;
using testing::GameRecordText;
using testing::kRoadFightGame;
using testing::kSpaceRaceGame;
using testing::TestGame;

// The rows of the table besides the writer's two games, each with its own drive key.
const TestGame kSecondSpaceRace = {
    .driveKey = "70", .renderer = "3", .on = {kGameAlphaZWriting, kGameNtscMode}};
const TestGame kSpaceRaceAndABlank = {.name = "SPACE RACE ",
                                      .driveKey = "71",
                                      .renderer = "2",
                                      .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}};
const TestGame kNameless = {.name = "", .driveKey = "72"};
const TestGame kCafe = {.name = "caf\xE9",
                        .driveKey = "73",
                        .renderer = "1",
                        .on = {kGameZWriting, kGameAlphaZWriting}};

class LookupGameTest : public ConfigTest {
protected:
    void SetUp() override {
        ConfigTest::SetUp();
        Config.GameTable = {GameRecordOf(kSpaceRaceGame),
                            GameRecordOf(kRoadFightGame),
                            GameRecordOf(kSecondSpaceRace),
                            GameRecordOf(kSpaceRaceAndABlank),
                            GameRecordOf(kNameless),
                            GameRecord{"BLANK CELLS"},
                            GameRecordOf(kCafe)};
        Config.GameCount = static_cast<std::int16_t>(Config.GameTable.size());
    }
};

struct LookupCase {
    const char* name;
    std::string record;
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.name)) << " finds "
         << ::testing::PrintToString(std::string(c.record));
}

class LookupGameTableTest : public LookupGameTest,
                            public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LookupGameTableTest, FindsTheFirstRowWhoseNameMatchesLetterCaseAside) {
    EXPECT_EQ(LookupGame(GetParam().name), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LookupGameTableTest,
    ::testing::Values(LookupCase{"SPACE RACE", GameRecordText(kSpaceRaceGame)},
                      LookupCase{"Space Race", GameRecordText(kSpaceRaceGame)},
                      LookupCase{"sPaCe rAcE", GameRecordText(kSpaceRaceGame)},
                      LookupCase{"road fight", GameRecordText(kRoadFightGame)},
                      LookupCase{"Space Race ", GameRecordText(kSpaceRaceAndABlank)},
                      LookupCase{" Space Race", ""}, LookupCase{"SPACE", ""},
                      LookupCase{"SPACE RACE 2", ""}, LookupCase{"\"Space Race", ""},
                      LookupCase{"", GameRecordText(kNameless)},
                      LookupCase{"Blank Cells", std::string(kGameFieldCount - 2, '|')},
                      LookupCase{"caf\xE9", GameRecordText(kCafe)},
                      LookupCase{"CAF\xE9", GameRecordText(kCafe)}, LookupCase{"CAFE", ""}));

// The command line may name a file in any language; the rows hold what the
// ANSI file holds, so a name outside the code page finds nothing, even a row
// that holds it in memory.
TEST_F(LookupGameTest, ANameTheCodePageCannotHoldMatchesNoGame) {
    UseLatin1AsAnsi();
    Config.GameTable[1][0] = "\u30B2\u30FC\u30E0";
    EXPECT_EQ(LookupGame("\u30B2\u30FC\u30E0"), "");
    Config.GameTable[1][0] = "CAF\u00C9";
    EXPECT_EQ(LookupGame("CAF\u00C9"), GameRecordText(kRoadFightGame));
}

TEST_F(LookupGameTest, IgnoresCaseBeyondAsciiByTheSystemMapping) {
    CurrentTextLocale().upperCaseExtended = &UpperCaseLatin1EAcute;
    EXPECT_EQ(LookupGame("CAF\xC9"), GameRecordText(kCafe));
}

TEST_F(LookupGameTest, LooksOnlyAtTheCountedRows) {
    Config.GameCount = 1;
    EXPECT_EQ(LookupGame("Road Fight"), "");
    EXPECT_EQ(LookupGame("Space Race"), GameRecordText(kSpaceRaceGame));
}

TEST_F(LookupGameTest, ACountOf0OrLessFindsNothingAndNeverReadsTheTable) {
    for (const std::int16_t count : {0, -3}) {
        Config.GameCount = count;
        Config.GameTable.clear();  // a read would fall off the empty table
        EXPECT_EQ(LookupGame("Space Race"), "");
        EXPECT_EQ(LookupGame(""), "");
    }
}

TEST_F(LookupGameTest, AlwaysFindsAfterALoadOfWhatItFound) {
    TestGame lowerCase = kSpaceRaceGame;
    lowerCase.name = "space race";
    Load(testing::ConfigText({.games = {lowerCase}}));
    EXPECT_EQ(LookupGame("Space Race"), GameRecordText(kSpaceRaceGame));
}

}  // namespace
}  // namespace zent
