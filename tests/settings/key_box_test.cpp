#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace zent::testing {
namespace {

using KeyBoxTest = SettingsFixture;

TEST_F(KeyBoxTest, DriveKeyModeShowsThePromptAndHandsOverToTheRendererDialog) {
    Open(kThreeGames);
    windows.chosenFile = "C:\\Images\\Game.iso";
    settings.cmdAdd_Click();
    keyBox.Form_Load();
    EXPECT_EQ(keyBoxView.prompt,
              "Type the Key for the letter of the Virtual Drive this Game will be mounted on.");
    keyBox.Form_KeyDown(68);
    EXPECT_EQ(NewGameDriveKey, DriveKeyValue(std::int16_t{68}));
    // The renderer dialog opens before the key box unloads, so there is no gap.
    EXPECT_EQ(std::vector<std::string>(windows.events.end() - 2, windows.events.end()),
              (std::vector<std::string>{"writes=0 ShowRenderer", "writes=0 CloseKeyBox"}));
    EXPECT_EQ(settingsView.exitKey, "27");
}

struct CapturedKey {
    std::int16_t code;
    const char* exitKeyText;
};

class KeyBoxKeysTest : public SettingsFixture, public ::testing::WithParamInterface<CapturedKey> {};

TEST_P(KeyBoxKeysTest, EveryKeyIsTakenAsItsCodeInBothModes) {
    Open(kThreeGames);
    settings.cmdExit_Click();
    keyBox.Form_KeyDown(GetParam().code);
    EXPECT_EQ(settingsView.exitKey, GetParam().exitKeyText);

    windows.chosenFile = "C:\\Images\\Game.iso";
    settings.cmdAdd_Click();
    keyBox.Form_KeyDown(GetParam().code);
    EXPECT_EQ(NewGameDriveKey, DriveKeyValue(GetParam().code));
    EXPECT_EQ(settingsView.exitKey, GetParam().exitKeyText);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyBoxKeysTest,
                         ::testing::Values(CapturedKey{27, "27"}, CapturedKey{81, "81"},
                                           CapturedKey{113, "113"}, CapturedKey{116, "116"},
                                           CapturedKey{16, "16"}, CapturedKey{18, "18"},
                                           CapturedKey{121, "121"}));

TEST_F(KeyBoxTest, TheModeAtTheKeyPressDecides) {
    Open(kThreeGames);
    windows.chosenFile = "C:\\Images\\Game.iso";
    settings.cmdAdd_Click();
    keyBox.Form_Load();
    settings.cmdExit_Click();
    keyBox.Form_KeyDown(27);
    EXPECT_EQ(keyBoxView.prompt, kDriveKeyPrompt);
    EXPECT_EQ(settingsView.exitKey, "27");
    EXPECT_EQ(NewGameDriveKey, DriveKeyValue(std::string()));
    EXPECT_FALSE(windows.rendererOpen);
}

TEST_F(KeyBoxTest, AnExitKeyPressedAfterTheSettingsWindowClosedGoesNowhere) {
    Open(kThreeGames);
    settings.cmdExit_Click();
    windows.settingsOpen = false;
    keyBox.Form_KeyDown(113);
    EXPECT_FALSE(windows.keyBoxOpen);
    EXPECT_EQ(settingsView.exitKey, "27");
}

TEST_F(KeyBoxTest, ClosingTheKeyBoxAddsNoGame) {
    Open(kThreeGames);
    windows.chosenFile = "C:\\Images\\Game.iso";
    settings.cmdAdd_Click();
    windows.CloseKeyBox();
    EXPECT_FALSE(windows.rendererOpen);
    EXPECT_EQ(settingsView.rows.size(), 3u);
}

}  // namespace
}  // namespace zent::testing
