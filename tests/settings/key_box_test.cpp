#include <gtest/gtest.h>

#include "settings_fixture.h"

namespace zent::testing {
namespace {

using KeyBoxTest = SettingsFixture;

TEST_F(KeyBoxTest, DriveKeyModeShowsThePromptAndHandsOverToTheRendererDialog) {
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\Images\\Game.iso"};
    settings.cmdAdd_Click();
    EXPECT_EQ(keyBoxView.prompt,
              "Type the Key for the letter of the Virtual Drive this Game will be mounted on.");
    keyBox.Form_KeyDown(68);
    EXPECT_EQ(Pending.NewGameDriveKey, DriveKeyValue(std::int16_t{68}));
    // The renderer dialog opens before the key box unloads, so there is no gap.
    EXPECT_EQ(std::vector<std::string>(windows.events.end() - 2, windows.events.end()),
              (std::vector<std::string>{"writes=0 ShowRenderer", "writes=0 CloseKeyBox"}));
    EXPECT_EQ(settingsView.Text(kExitKeyOption), "27");
}

struct CapturedKey {
    std::int16_t code;
    const char* exitKeyText;  // null: no keyboard key has the code, and it is ignored
};

void PrintTo(const CapturedKey& c, std::ostream* out) {
    *out << "code " << c.code;
}

class KeyBoxKeysTest : public SettingsFixture, public ::testing::WithParamInterface<CapturedKey> {};

TEST_P(KeyBoxKeysTest, EveryKeyboardKeyIsTakenAsItsCodeInBothModesAndNoOtherCode) {
    const bool taken = GetParam().exitKeyText != nullptr;
    Open(kThreeGames);
    settings.cmdExit_Click();
    keyBox.Form_KeyDown(GetParam().code);
    EXPECT_EQ(settingsView.Text(kExitKeyOption), taken ? GetParam().exitKeyText : "27");
    // An ignored code leaves the dialog waiting for a real key.
    EXPECT_EQ(windows.keyBoxOpen, !taken);

    windows.chosenFiles = {"C:\\Images\\Game.iso"};
    settings.cmdAdd_Click();
    keyBox.Form_KeyDown(GetParam().code);
    EXPECT_EQ(Pending.NewGameDriveKey,
              taken ? DriveKeyValue(GetParam().code) : DriveKeyValue(std::string()));
    EXPECT_EQ(windows.rendererOpen, taken);
    EXPECT_EQ(windows.keyBoxOpen, !taken);
    EXPECT_EQ(settingsView.Text(kExitKeyOption), taken ? GetParam().exitKeyText : "27");
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyBoxKeysTest,
                         ::testing::Values(CapturedKey{27, "27"}, CapturedKey{81, "81"},
                                           CapturedKey{113, "113"}, CapturedKey{116, "116"},
                                           CapturedKey{16, "16"}, CapturedKey{18, "18"},
                                           CapturedKey{121, "121"}, CapturedKey{1, "1"},
                                           CapturedKey{254, "254"}, CapturedKey{0, nullptr},
                                           CapturedKey{255, nullptr}, CapturedKey{256, nullptr},
                                           CapturedKey{-1, nullptr}));

// Redefine and Add Game while the dialog is open: it shows what the last
// opener asks for, and the key becomes that.
class KeyBoxOpenersTest : public SettingsFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(KeyBoxOpenersTest, TheLastOpenerDecidesThePromptAndTheKey) {
    const bool redefineLast = GetParam();
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\Images\\Road.iso"};
    if (redefineLast) {
        settings.cmdAdd_Click();
        settings.cmdExit_Click();
    } else {
        settings.cmdExit_Click();
        settings.cmdAdd_Click();
    }
    // The dialog opened first is only brought to the front.
    EXPECT_EQ(windows.keyBoxLoads, 1);
    EXPECT_EQ(keyBoxView.prompt, redefineLast ? "" : kDriveKeyPrompt);
    keyBox.Form_KeyDown(68);
    EXPECT_EQ(settingsView.Text(kExitKeyOption), redefineLast ? "68" : "27");
    EXPECT_EQ(windows.rendererOpen, !redefineLast);
    if (redefineLast) {
        EXPECT_EQ(Pending.NewGameDriveKey, DriveKeyValue(std::string()));
    } else {
        renderer.Form_Load();
        renderer.cmdOk_Click();
        EXPECT_EQ(settingsView.rows.back(), GameRow({.name = "ROAD"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Orders, KeyBoxOpenersTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "RedefineDuringAnAdd" : "AddGameDuringARedefine");
});

TEST_F(KeyBoxTest, AnExitKeyPressedAfterTheSettingsWindowClosedGoesNowhere) {
    Open(kThreeGames);
    settings.cmdExit_Click();
    windows.settingsOpen = false;
    keyBox.Form_KeyDown(113);
    EXPECT_FALSE(windows.keyBoxOpen);
    EXPECT_EQ(settingsView.Text(kExitKeyOption), "27");
}

TEST_F(KeyBoxTest, ClosingTheKeyBoxAddsNoGame) {
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\Images\\Game.iso"};
    settings.cmdAdd_Click();
    windows.CloseKeyBox();
    EXPECT_FALSE(windows.rendererOpen);
    EXPECT_EQ(settingsView.rows.size(), 3u);
}

}  // namespace
}  // namespace zent::testing
