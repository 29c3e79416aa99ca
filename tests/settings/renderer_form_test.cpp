#include <gtest/gtest.h>

#include "settings_fixture.h"
#include "startup/config_store.h"

namespace zent::testing {
namespace {

struct RowCase {
    int renderer;
    std::vector<bool> answers;
    std::string row;
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << "renderer " << c.renderer << " answers ";
    for (const bool answer : c.answers) {
        *out << (answer ? 'Y' : 'N');
    }
}

class RendererRowTest : public SettingsFixture, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RendererRowTest, AppendsTheComposedRowAtTheEnd) {
    Open(kThreeGames);
    AddGame("C:\\Images\\MyGame.iso", 68, GetParam().renderer, GetParam().answers);
    ASSERT_EQ(settingsView.rows.size(), 4u);
    EXPECT_EQ(settingsView.rows.back(), GetParam().row);
    EXPECT_EQ(Pending.NewGameRenderer, GetParam().renderer);
    EXPECT_FALSE(windows.rendererOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RendererRowTest,
    ::testing::Values(
        RowCase{1,
                {true, false, true},
                GameRow({.name = "MYGAME", .renderer = "1", .on = {kGameZWriting, kGameNtscMode}})},
        RowCase{3, {false, false, false}, GameRow({.name = "MYGAME", .renderer = "3"})},
        RowCase{
            0,
            {true, true, true},
            GameRow({.name = "MYGAME", .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}})},
        RowCase{2,
                {false, true, false},
                GameRow({.name = "MYGAME", .renderer = "2", .on = {kGameAlphaZWriting}})}));

TEST_F(RendererRowTest, OkWithoutTouchingTheListTakesTheFirstRenderer) {
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\Images\\Game.iso"};
    settings.cmdAdd_Click();
    keyBox.Form_KeyDown(68);
    renderer.Form_Load();
    windows.answers = {false, false, false};
    renderer.cmdOk_Click();
    EXPECT_EQ(settingsView.rows.back(), GameRow({.name = "GAME"}));
}

TEST_F(RendererRowTest, AsksAQuestionForEachOptionInOrder) {
    Open(kThreeGames);
    AddGame("C:\\Images\\Game.iso", 68, 0, {});
    ASSERT_EQ(windows.questions.size(), kGameOptionCount);
    EXPECT_EQ(std::vector<std::string>(windows.questions.begin(), windows.questions.begin() + 3),
              (std::vector<std::string>{
                  "Redering Options: Do you wish to enable Z-Writing for this game?",
                  "Redering Options: Do you wish to enable Alpha-Tested Z-Writing for this game?",
                  "Redering Options: Do you wish to enable NTSC mode for this game?"}));
}

TEST_F(RendererRowTest, TwoGamesAreAppendedInTheOrderOfTheirOk) {
    Open(kThreeGames);
    AddGame("C:\\Images\\First.iso", 68, 0, {false, false, false});
    AddGame("C:\\Images\\Second.iso", 69, 1, {true, true, true});
    EXPECT_EQ(std::vector<std::string>(settingsView.rows.begin() + 3, settingsView.rows.end()),
              (std::vector<std::string>{
                  GameRow({.name = "FIRST"}),
                  GameRow({.name = "SECOND",
                           .driveKey = "69",
                           .renderer = "1",
                           .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}})}));
    EXPECT_EQ(Config.GameCount, 3);
}

TEST_F(RendererRowTest, OkBeforeTheNewerAddGameHasItsKeyAddsNothingAndWaits) {
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\Images\\First.iso"};
    settings.cmdAdd_Click();
    keyBox.Form_KeyDown(68);
    renderer.Form_Load();
    rendererView.selected = 2;
    windows.chosenFiles = {"C:\\Images\\Second.iso"};
    settings.cmdAdd_Click();

    renderer.cmdOk_Click();
    EXPECT_EQ(settingsView.rows.size(), 3u);
    EXPECT_TRUE(windows.rendererOpen);
    EXPECT_TRUE(windows.questions.empty());

    keyBox.Form_KeyDown(69);
    EXPECT_EQ(windows.rendererLoads, 1);  // brought to the front, selection kept
    windows.answers = {false, false, true};
    renderer.cmdOk_Click();
    EXPECT_EQ(settingsView.rows.size(), 4u);
    EXPECT_EQ(
        settingsView.rows.back(),
        GameRow({.name = "SECOND", .driveKey = "69", .renderer = "2", .on = {kGameNtscMode}}));
    EXPECT_FALSE(windows.rendererOpen);
}

TEST_F(RendererRowTest, AnAddGameStartedDuringTheQuestionsDoesNotSpoilTheRow) {
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\Images\\First.iso"};
    settings.cmdAdd_Click();
    keyBox.Form_KeyDown(68);
    renderer.Form_Load();
    windows.chosenFiles = {"C:\\Images\\Second.iso"};
    windows.duringQuestion = [this](const std::string&) {
        if (windows.questions.size() == 2) {
            settings.cmdAdd_Click();
        }
    };
    windows.answers = {true, true, true};
    renderer.cmdOk_Click();
    EXPECT_EQ(settingsView.rows.back(),
              GameRow({.name = "FIRST", .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}}));
    EXPECT_EQ(Pending.NewGameName, "SECOND");
}

TEST_F(RendererRowTest, OkAfterTheSettingsWindowClosedAppendsNothingAndCloses) {
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\Images\\Game.iso"};
    settings.cmdAdd_Click();
    keyBox.Form_KeyDown(68);
    windows.settingsOpen = false;
    renderer.cmdOk_Click();
    EXPECT_EQ(settingsView.rows.size(), 3u);
    EXPECT_FALSE(windows.rendererOpen);
}

TEST(ComposeGameRowTest, WritesTheKeyAndRendererInDecimal) {
    EXPECT_EQ(ComposeGameRow({"SPACE RACE", 116, 3, {true, false, false}}),
              GameRow({.driveKey = "116", .renderer = "3", .on = {kGameZWriting}}));
}

}  // namespace
}  // namespace zent::testing
