// The launcher's start under Wine, up to the game lookup: a game that is not
// configured ends it silently; a configuration it cannot read ends it with the
// "Zentavio Wrapper" box, which names the file or quotes the offending line.

#include "launch_test_fixture_win.h"

namespace zent {
namespace {

using ::testing::HasSubstr;

TEST_F(LaunchTest, GameNotConfiguredEndsSilentlyAndTouchesNothing) {
    WriteConfig(ConfigText("27", false, " 100 ", true, {kOtherGame}));
    const auto launcher = folder_->Start(kArgument);

    // A box would hold the launcher open until dismissed.
    ASSERT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(launcher->ExitCode(), 0u);
    ExpectNothingStarted();
    EXPECT_EQ(folder_->Read("zentconfig.ini"),
              ConfigText("27", false, " 100 ", true, {kOtherGame}));
}

TEST_F(LaunchTest, MissingConfigurationShowsTheBoxNamingTheFileAndEndsWhenDismissed) {
    folder_->Write("tempavio.cfg", kSavedConfig);
    folder_->Write("zentavio.cfg", kStaleConfig);
    const auto launcher = folder_->Start(kArgument);

    const auto box = ReadAndDismissBox(launcher->id(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_THAT(*box, HasSubstr("zentconfig.ini"));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_NE(launcher->ExitCode(), 0u);
    ExpectNothingStarted();
}

TEST_F(LaunchTest, ShortGameLineShowsTheBoxQuotingItAndStartsNothing) {
    const std::string shortLine = "SPACE RACE|68|0|True|False";
    WriteConfig(ConfigText("27", false, " 100 ", true, {kOtherGame, shortLine}));
    const auto launcher = folder_->Start(kArgument);

    const auto box = ReadAndDismissBox(launcher->id(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_THAT(*box, HasSubstr("\"" + shortLine + "\""));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_NE(launcher->ExitCode(), 0u);
    ExpectNothingStarted();
}

}  // namespace
}  // namespace zent
