#pragma once
// One Settings window with its two dialogs over an in-memory program folder.

#include <string>

#include "config_file.h"
#include "fake_settings.h"
#include "game_rows.h"
#include "settings/key_box.h"
#include "settings/pending_game.h"
#include "settings/renderer_form.h"
#include "settings/settings_form.h"
#include "startup/file_system.h"
#include "test_globals.h"

namespace zent::testing {

inline constexpr const char* kConfigPath = "C:\\Zentavio\\zentconfig.ini";

class SettingsFixture : public FreshGlobalsTest {
protected:
    MemoryFileSystem disk;
    FakeSettingsView settingsView;
    FakeKeyBoxView keyBoxView;
    FakeRendererView rendererView;
    FakeWindows windows{&settingsView, &disk};
    SettingsForm settings{settingsView, windows};
    KeyBoxForm keyBox{keyBoxView, windows};
    RendererForm renderer{rendererView, windows};

    void SetUp() override {
        ResetGlobals();
        SetActiveFileSystem(&disk);
        SetProgramFolder("C:\\Zentavio");
        windows.keyBox = &keyBox;
    }

    // Writes the configuration and loads the window from it.
    void Open(const std::string& config) {
        disk.files[kConfigPath] = config;
        disk.closedCount = 0;
        settings.Form_Load();
    }

    std::string SavedConfig() { return disk.files.at(kConfigPath); }

    void SaveAndExit() { EXPECT_THROW(settings.cmdOk_Click(), ProgramEnded); }

    // The whole Add Game chain as a user would go through it.
    void AddGame(const std::string& path, std::int16_t key, int rendererPosition,
                 std::vector<bool> answers) {
        windows.chosenFiles = {path};
        settings.cmdAdd_Click();
        ASSERT_TRUE(windows.keyBoxOpen);
        keyBox.Form_KeyDown(key);
        ASSERT_TRUE(windows.rendererOpen);
        renderer.Form_Load();
        rendererView.selected = rendererPosition;
        windows.answers = std::move(answers);
        renderer.cmdOk_Click();
    }
};

// The file the tests open: three games, show fps on; and that file with other
// lines and games, as the tests' saves give it.
inline std::string ThreeGamesWith(std::vector<std::pair<GlobalOptionId, std::string>> lines,
                                  std::vector<TestGame> games = {kSpaceRaceGame, kRoadFightGame,
                                                                 kAlphaGame}) {
    lines.insert(lines.begin(), {kShowFpsOption, "1"});
    return ConfigText({.lines = std::move(lines), .games = std::move(games)});
}
inline const std::string kThreeGames = ThreeGamesWith({});

}  // namespace zent::testing
