#include <gtest/gtest.h>

#include "game_rows.h"
#include "launch/launch_state.h"
#include "launch_fixture.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"

namespace zent::testing {
namespace {

using UnpackRecordTest = LaunchTest;

// The flag words in any case, and numbers; the drive key as it stands.
TEST_F(UnpackRecordTest, SplitsTheFieldsIntoTheLaunchState) {
    struct Row {
        TestGame game;
        int renderer;
        bool zWrite, zWriteAlpha, ntsc;
    };
    for (const Row& row : {
             Row{{.driveKey = "69",
            .renderer = "2",
            .spelled = {{kGameZWriting, "True"},
                        {kGameAlphaZWriting, "false"},
                        {kGameNtscMode, "-1"}}},
                 2,
                 true,
                 false,
                 true},
             Row{{.driveKey = " 70 ",
             .renderer = "3",
             .spelled = {{kGameZWriting, "FALSE"},
                         {kGameAlphaZWriting, "tRuE"},
                         {kGameNtscMode, "0"}}},
                 3,
                 false,
                 true,
                 false},
         }) {
        SCOPED_TRACE(row.game.driveKey);
        UnpackRecord(GameRecordOf(row.game));
        EXPECT_EQ(Launch.DriveKey, row.game.driveKey);
        EXPECT_EQ(Launch.RendererType, row.renderer);
        EXPECT_EQ(Launch.ZWrite, row.zWrite);
        EXPECT_EQ(Launch.ZWriteAlpha, row.zWriteAlpha);
        EXPECT_EQ(Launch.NtscMode, row.ntsc);
        EXPECT_FALSE(Launch.CapcomHack) << "the Capcom hack is the emulator start's business";
    }
}

struct BadRecord {
    GameRecord record;
    ErrorNumber number;
    std::string description;
};

// Drive key 69, renderer 1 and every option on, but for one field spelt as text.
GameRecord RecordWith(GameField field, const std::string& text) {
    TestGame game = {.driveKey = "69", .renderer = "1", .spelled = EveryOptionSpelled("True")};
    game.spelled.emplace_back(field, text);
    return GameRecordOf(game);
}

void PrintTo(const BadRecord& c, std::ostream* out) {
    *out << ::testing::PrintToString(RecordText(c.record));
}

class BadRecordTest : public LaunchTest, public ::testing::WithParamInterface<BadRecord> {};

// Every field is judged before anything changes, and the message names the
// game, the file and the offending text.
TEST_P(BadRecordTest, FailsNamingTheGameAndTheFieldAndChangesNothing) {
    Launch.GameName = "SPACE RACE";
    try {
        UnpackRecord(GetParam().record);
        FAIL() << "accepted " << RecordText(GetParam().record);
    } catch (const FatalError& error) {
        EXPECT_EQ(error.number(), GetParam().number);
        EXPECT_EQ(error.description(),
                  std::string("Game \"SPACE RACE\" in C:\\Games\\Zentavio\\zentconfig.ini: ") +
                      GetParam().description + " Correct the game in the Settings window.");
    }
    EXPECT_EQ(Launch.DriveKey, "68");
    EXPECT_EQ(Launch.RendererType, 0);
    EXPECT_FALSE(Launch.ZWrite || Launch.ZWriteAlpha || Launch.NtscMode);
}

// A record with one field spelt as text, and the message that text gets.
BadRecord Renderer(const std::string& text, ErrorNumber number) {
    return {RecordWith(kGameRendererType, text), number,
            "the renderer type \"" + text + "\" must be 0, 1, 2 or 3."};
}

BadRecord Drive(const std::string& text, ErrorNumber number) {
    return {RecordWith(kGameDriveKey, text), number,
            "the drive key \"" + text + "\" must be a key code from 0 to 255."};
}

BadRecord Option(GameField field, const std::string& text) {
    return {RecordWith(field, text), kTypeMismatch,
            std::string("the ") + kGameFieldNames[field] + " option \"" + text +
                "\" must be True or False."};
}

INSTANTIATE_TEST_SUITE_P(
    Records, BadRecordTest,
    ::testing::Values(Renderer("7", kInvalidArgument), Renderer("-1", kInvalidArgument),
                      Renderer("x", kTypeMismatch), Renderer("99999", kOverflow),
                      Drive("E", kTypeMismatch), Drive("256", kOverflow), Drive("-1", kOverflow),
                      Drive("", kTypeMismatch), Option(kGameZWriting, "Yes"),
                      Option(kGameAlphaZWriting, ""), Option(kGameNtscMode, "T")));

TEST_F(UnpackRecordTest, DriveKeyCodeConvertsTheDriveKeyText) {
    for (const int code : {69, 0, 255}) {
        Launch.DriveKey = std::to_string(code);
        EXPECT_EQ(DriveKeyCode(), code);
    }
}

}  // namespace
}  // namespace zent::testing
