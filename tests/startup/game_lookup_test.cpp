#include <gtest/gtest.h>

#include <string>

#include "startup/config_test_fixture.h"
#include "startup/latin1_ansi.h"

namespace zent {
namespace {

class LookupGameTest : public ConfigTest {
protected:
    void SetUp() override {
        ConfigTest::SetUp();
        GameTable = {GameRecord{"SPACE RACE", "68", "1", "True", "False", "False"},
                     GameRecord{"ROAD FIGHT", "69", "0", "False", "False", "True"},
                     GameRecord{"SPACE RACE", "70", "3", "False", "True", "True"},
                     GameRecord{"SPACE RACE ", "71", "2", "True", "True", "True"},
                     GameRecord{"", "72", "0", "False", "False", "False"},
                     GameRecord{"BLANK CELLS", "", "", "", "", ""},
                     GameRecord{"caf\xE9", "73", "1", "True", "True", "False"}};
        GameCount = static_cast<std::int16_t>(GameTable.size());
    }
};

struct LookupCase {
    const char* name;
    const char* record;
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
    ::testing::Values(LookupCase{"SPACE RACE", "68|1|True|False|False"},
                      LookupCase{"Space Race", "68|1|True|False|False"},
                      LookupCase{"sPaCe rAcE", "68|1|True|False|False"},
                      LookupCase{"road fight", "69|0|False|False|True"},
                      LookupCase{"Space Race ", "71|2|True|True|True"},
                      LookupCase{" Space Race", ""}, LookupCase{"SPACE", ""},
                      LookupCase{"SPACE RACE 2", ""}, LookupCase{"\"Space Race", ""},
                      LookupCase{"", "72|0|False|False|False"}, LookupCase{"Blank Cells", "||||"},
                      LookupCase{"caf\xE9", "73|1|True|True|False"},
                      LookupCase{"CAF\xE9", "73|1|True|True|False"}, LookupCase{"CAFE", ""}));

// The command line may name a file in any language; the rows hold what the
// ANSI file holds, so a name outside the code page finds nothing, even a row
// that holds it in memory.
TEST_F(LookupGameTest, ANameTheCodePageCannotHoldMatchesNoGame) {
    UseLatin1AsAnsi();
    GameTable[1][0] = "\u30B2\u30FC\u30E0";
    EXPECT_EQ(LookupGame("\u30B2\u30FC\u30E0"), "");
    GameTable[1][0] = "CAF\u00C9";
    EXPECT_EQ(LookupGame("CAF\u00C9"), "69|0|False|False|True");
}

TEST_F(LookupGameTest, IgnoresCaseBeyondAsciiByTheSystemMapping) {
    CurrentTextLocale().upperCaseExtended = &UpperCaseLatin1EAcute;
    EXPECT_EQ(LookupGame("CAF\xC9"), "73|1|True|True|False");
}

TEST_F(LookupGameTest, LooksOnlyAtTheCountedRows) {
    GameCount = 1;
    EXPECT_EQ(LookupGame("Road Fight"), "");
    EXPECT_EQ(LookupGame("Space Race"), "68|1|True|False|False");
}

TEST_F(LookupGameTest, ACountOf0OrLessFindsNothingAndNeverReadsTheTable) {
    for (const std::int16_t count : {0, -3}) {
        GameCount = count;
        GameTable.clear();  // a read would fall off the empty table
        EXPECT_EQ(LookupGame("Space Race"), "");
        EXPECT_EQ(LookupGame(""), "");
    }
}

TEST_F(LookupGameTest, AlwaysFindsAfterALoadOfWhatItFound) {
    Load("27\r\n0\r\n 100 \r\n0\r\n 1 \r\nspace race|68|1|True|False|False\r\n");
    EXPECT_EQ(LookupGame("Space Race"), "68|1|True|False|False");
}

}  // namespace
}  // namespace zent
