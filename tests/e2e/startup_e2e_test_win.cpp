// The launcher's start under Wine, up to the game lookup: a game that is not
// configured ends it silently; a configuration it cannot read ends it with the
// "Zentavio Wrapper" box, which names the file or quotes the offending line.

#include "launch_test_fixture_win.h"

namespace zent {
namespace {

using testing::GameRow;

TEST_F(LaunchTest, GameNotConfiguredEndsSilentlyAndTouchesNothing) {
    WriteConfig(testing::ConfigText({.lines = {{kShowFpsOption, "1"}}, .rows = {kOtherGame}}));
    const auto launcher = folder_->Start(kArgument);

    // A box would hold the launcher open until dismissed.
    ASSERT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(launcher->ExitCode(), 0u);
    ExpectNothingStarted();
    EXPECT_EQ(folder_->Read("zentconfig.ini"),
              testing::ConfigText({.lines = {{kShowFpsOption, "1"}}, .rows = {kOtherGame}}));
}

TEST_F(LaunchTest, MissingConfigurationShowsTheBoxNamingTheFileAndEndsWhenDismissed) {
    folder_->Write("tempavio.cfg", kSavedConfig);
    folder_->Write("zentavio.cfg", kStaleConfig);
    const auto launcher = folder_->Start(kArgument);

    const auto box = ReadAndDismissBox(launcher->id(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(Holds(*box, "zentconfig.ini"));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_NE(launcher->ExitCode(), 0u);
    ExpectNothingStarted();
}

TEST_F(LaunchTest, ShortGameLineShowsTheBoxQuotingItAndStartsNothing) {
    const std::string shortLine = "SPACE RACE|68|0|True|False";
    WriteConfig(
        testing::ConfigText({.lines = {{kShowFpsOption, "1"}}, .rows = {kOtherGame, shortLine}}));
    const auto launcher = folder_->Start(kArgument);

    const auto box = ReadAndDismissBox(launcher->id(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(Holds(*box, "\"" + shortLine + "\""));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_NE(launcher->ExitCode(), 0u);
    ExpectNothingStarted();
}

// ----- a launcher in a folder named in any language -----

class NamedFolderTest : public LaunchTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { folder_ = std::make_unique<LaunchFolder>(GetParam()); }
};

TEST_P(NamedFolderTest, LaunchesTheEmulatorBesideIt) {
    WriteConfig(testing::ConfigText(
        {.lines = {{kShowFpsOption, "1"}}, .rows = {kOtherGame, GameRow({.renderer = "1"})}}));
    const auto launcher = folder_->Start(kArgument);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto lines = folder_->LogLines();
            return !lines.empty() && lines.front().starts_with("program zentavio.exe");
        },
        kStartTimeoutMs))
        << "the stand-in emulator did not start";
    EXPECT_EQ(folder_->Read("zentavio.cfg"), kSavedConfig);
}

// The box shows the path as it is, and says what the missing file is for.
TEST_P(NamedFolderTest, TheBoxNamesTheFolderAsItIs) {
    folder_->Write("zentconfig.ini",
                   testing::ConfigText({.lines = {{kShowFpsOption, "1"}}, .rows = {kOtherGame}}));
    const auto launcher = folder_->Start("D:\\Images\\Road Fight.img");

    const auto box = ReadAndDismissBox(launcher->id(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(Holds(*box, folder_->Path() + "\\tempavio.cfg could not be opened"));
    EXPECT_TRUE(Holds(*box, "copy its zentavio.cfg to tempavio.cfg"));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(launcher->ExitCode(), static_cast<DWORD>(53));
    EXPECT_EQ(folder_->LogLines(), std::vector<std::string>());
}

// A name the ANSI code page cannot hold matches no row, not even the "???"
// that such a name turns into through the ANSI functions.
TEST_P(NamedFolderTest, AGameNamedInItsScriptMatchesNoRow) {
    WriteConfig(testing::ConfigText(
        {.lines = {{kShowFpsOption, "1"}}, .games = {{.name = "???", .renderer = "1"}}}));
    const auto launcher =
        folder_->Start("\"D:\\" + std::string(GetParam()) + "\\" + GetParam() + ".img\"");
    ASSERT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(launcher->ExitCode(), 0u);
    ExpectNothingStarted();
}

INSTANTIATE_TEST_SUITE_P(Scripts, NamedFolderTest,
                         ::testing::Values("\u30B2\u30FC\u30E0", "\u0418\u0433\u0440\u044B"),
                         [](const auto& info) {
                             return info.index == 0 ? std::string("Japanese")
                                                    : std::string("Cyrillic");
                         });

}  // namespace
}  // namespace zent
