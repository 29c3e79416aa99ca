#include <gtest/gtest.h>

#include "launch/launch_state.h"
#include "launch_fixture.h"
#include "startup/command_line.h"
#include "startup/fatal_error.h"

namespace zent::testing {
namespace {

using UnpackRecordTest = LaunchTest;

TEST_F(UnpackRecordTest, SplitsTheFiveFieldsIntoTheLaunchState) {
    UnpackRecord("69|2|True|false|-1");
    EXPECT_EQ(DriveKey, "69");
    EXPECT_EQ(RendererType, 2);
    EXPECT_TRUE(ZWrite);
    EXPECT_FALSE(ZWriteAlpha);
    EXPECT_TRUE(NtscMode);
    EXPECT_FALSE(CapcomHack) << "the Capcom hack is the emulator start's business";
}

TEST_F(UnpackRecordTest, AcceptsTheFlagWordsInAnyCaseAndNumbersAndIgnoresFieldsAfterTheFifth) {
    UnpackRecord(" 70 |3|FALSE|tRuE|0|extra|more");
    EXPECT_EQ(DriveKey, " 70 ");
    EXPECT_EQ(RendererType, 3);
    EXPECT_FALSE(ZWrite);
    EXPECT_TRUE(ZWriteAlpha);
    EXPECT_FALSE(NtscMode);
}

struct BadRecord {
    const char* record;
    ErrorNumber number;
    const char* description;
};

void PrintTo(const BadRecord& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.record));
}

class BadRecordTest : public LaunchTest, public ::testing::WithParamInterface<BadRecord> {};

// Every field is judged before anything changes, and the message names the
// game, the file and the offending text.
TEST_P(BadRecordTest, FailsNamingTheGameAndTheFieldAndChangesNothing) {
    GameName = "SPACE RACE";
    try {
        UnpackRecord(GetParam().record);
        FAIL() << "accepted " << GetParam().record;
    } catch (const FatalError& error) {
        EXPECT_EQ(error.number(), GetParam().number);
        EXPECT_EQ(error.description(),
                  std::string("Game \"SPACE RACE\" in C:\\Games\\Zentavio\\zentconfig.ini: ") +
                      GetParam().description + " Correct the game in the Settings window.");
    }
    EXPECT_EQ(DriveKey, "68");
    EXPECT_EQ(RendererType, 0);
    EXPECT_FALSE(ZWrite || ZWriteAlpha || NtscMode);
}

INSTANTIATE_TEST_SUITE_P(
    Records, BadRecordTest,
    ::testing::Values(
        BadRecord{"69|7|True|True|True", kInvalidArgument,
                  "the renderer type \"7\" must be 0, 1, 2 or 3."},
        BadRecord{"69|-1|True|True|True", kInvalidArgument,
                  "the renderer type \"-1\" must be 0, 1, 2 or 3."},
        BadRecord{"69|x|True|True|True", kTypeMismatch,
                  "the renderer type \"x\" must be 0, 1, 2 or 3."},
        BadRecord{"69|99999|True|True|True", kOverflow,
                  "the renderer type \"99999\" must be 0, 1, 2 or 3."},
        BadRecord{"E|1|True|True|True", kTypeMismatch,
                  "the drive key \"E\" must be a key code from 0 to 255."},
        BadRecord{"256|1|True|True|True", kOverflow,
                  "the drive key \"256\" must be a key code from 0 to 255."},
        BadRecord{"-1|1|True|True|True", kOverflow,
                  "the drive key \"-1\" must be a key code from 0 to 255."},
        BadRecord{"|1|True|True|True", kTypeMismatch,
                  "the drive key \"\" must be a key code from 0 to 255."},
        BadRecord{"69|1|Yes|True|True", kTypeMismatch,
                  "the Z-Writing option \"Yes\" must be True or False."},
        BadRecord{"69|1|True||True", kTypeMismatch,
                  "the Alpha-Tested Z-Writing option \"\" must be True or False."},
        BadRecord{"69|1|True|True|T", kTypeMismatch,
                  "the NTSC mode option \"T\" must be True or False."},
        BadRecord{"69|1|True|True", kSubscriptOutOfRange,
                  "the record \"69|1|True|True\" has 4 fields instead of 5: drive key, "
                  "renderer type, Z-Writing, Alpha-Tested Z-Writing and NTSC mode."},
        BadRecord{"", kSubscriptOutOfRange,
                  "the record \"\" has 0 fields instead of 5: drive key, renderer type, "
                  "Z-Writing, Alpha-Tested Z-Writing and NTSC mode."}));

TEST_F(UnpackRecordTest, DriveKeyCodeConvertsTheDriveKeyText) {
    DriveKey = "69";
    EXPECT_EQ(DriveKeyCode(), 69);
    DriveKey = "0";
    EXPECT_EQ(DriveKeyCode(), 0);
    DriveKey = "255";
    EXPECT_EQ(DriveKeyCode(), 255);
}

}  // namespace
}  // namespace zent::testing
