// The ways out of a game beside the exit key, the pad exit through the
// launcher's own watch, and the player's return to the front end afterwards.

#include <gtest/gtest.h>

#include <algorithm>

#include "emulator_model.h"
#include "launch/exit_key.h"
#include "launch/form1.h"
#include "pads/pad_exit.h"
#include "launch_fixture.h"

namespace zent::testing {
namespace {

constexpr WindowHandle kFrontEnd = 0x600;
constexpr WindowHandle kToast = 0x700;
constexpr std::uint64_t kNever = ~std::uint64_t{0};

class ExitTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        platform.programs = {ProgramFile("zentavio.exe")};
        PutEmulatorWindowInFront(platform);
    }

    // Ticks Timer1 every millisecond for up to milliseconds; how long it took
    // to see the exit, or kNever.
    std::uint64_t MillisecondsToExit(std::uint64_t milliseconds) {
        for (std::uint64_t elapsed = 0; elapsed < milliseconds; ++elapsed) {
            if (Timer1_Timer(platform.Parts())) {
                return elapsed;
            }
            platform.Wait(1);
        }
        return kNever;
    }
};

// The launch watches the configuration's pad exit beside the exit key: every
// combination's timing is in PadExitTest.
TEST_F(ExitTest, TheConfiguredPadExitHeldOneSecondEndsTheGame) {
    WriteConfig({.lines = {{kPadExitOption, "Joystick 2: buttons 9 + 10"}}, .games = {{}}});
    platform.pads.script = {X(0, 0, kPadBack | kPadStart), J(0, 1, 0)};
    ASSERT_EQ(Form_Load(platform.Parts()), LaunchResult::kLaunched);
    platform.pads.script.push_back(J(platform.now + 1, 1, 0x300));
    EXPECT_EQ(MillisecondsToExit(3000), 1 + 1000);
}

// The pads are first asked after the emulator's start: one plugged in before is read at once.
TEST_F(ExitTest, APadPluggedInBeforeTheEmulatorsStartStopsTheLaunch) {
    WriteConfig({.lines = {{kCpuSpeedOption, "1100"}}, .games = {{}}});
    platform.pads.script = {X(0, 0, kPadBack | kPadStart)};
    EXPECT_EQ(Form_Load(platform.Parts()), LaunchResult::kExitKey);
    EXPECT_TRUE(platform.programExitCode.has_value()) << "the emulator was left running";
}

struct ReturnCase {
    const char* name;
    void (*atTheEnd)(RecordingPlatform&);
    // How long the exit key, or with byPad the pad exit's buttons, stay held
    // after the emulator has ended.
    std::uint64_t held;
    WindowHandle foreground;
    bool starterAllowed;
    bool byPad = false;
};

void PrintTo(const ReturnCase& c, std::ostream* out) {
    *out << c.name;
}

class ReturnTest : public ExitTest, public ::testing::WithParamInterface<ReturnCase> {};

// The front end is in front when the launch begins; after the exit key, the
// launcher gives it the foreground back, under Windows' rules.
TEST_P(ReturnTest, GivesTheFrontEndTheForegroundBackOnceTheExitIsLetGo) {
    const ReturnCase& c = GetParam();
    platform.AddWindowInFront(kFrontEnd, 999, "Front End");
    WriteConfig({.games = {{}}});
    platform.pads.script = {X(0, 0, 0)};
    ASSERT_EQ(Form_Load(platform.Parts()), LaunchResult::kLaunched);
    c.atTheEnd(platform);
    platform.keyStates[27] = 0xFF81;
    ASSERT_TRUE(Timer1_Timer(platform.Parts()));
    CloseEmulatorForExit(platform, platform, platform, platform);
    const std::uint64_t ended = platform.now;
    if (c.byPad) {
        platform.keyStates[27] = 0;
        platform.pads.script.insert(platform.pads.script.end(),
                                    {X(ended, 0, kPadBack | kPadStart), X(ended + c.held, 0, 0)});
    } else {
        platform.At(ended + c.held, [this] { platform.keyStates[27] = 0; });
        if (c.held == 0) {
            platform.keyStates[27] = 0;
        }
    }
    ReturnToFrontEnd(platform, platform, platform, platform);
    EXPECT_EQ(platform.now - ended, std::min(c.held, kExitReleaseTimeout));
    EXPECT_EQ(platform.foreground, c.foreground);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "AllowStarterToTakeForeground"),
              c.starterAllowed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ReturnTest,
    ::testing::Values(
        ReturnCase{"FrontEndInFrontAgain", [](RecordingPlatform&) {}, 0, kFrontEnd, false},
        ReturnCase{"AfterTheKeyIsLetGo", [](RecordingPlatform&) {}, 2000, kFrontEnd, false},
        ReturnCase{"AfterThePadIsLetGo", [](RecordingPlatform&) {}, 2000, kFrontEnd, false, true},
        ReturnCase{"KeyStillHeldAfterThreeSeconds", [](RecordingPlatform&) {}, 5000, kFrontEnd,
                   false},
        // Windows refuses while another program is in front: the front end may take it.
        ReturnCase{"RefusedBehindAnotherProgram",
                   [](RecordingPlatform& p) {
                       p.foregroundLocked = true;
                       p.AddWindowInFront(kToast, 998, "Toast");
                   },
                   0, kToast, true},
        ReturnCase{"FrontEndClosedMeanwhile",
                   [](RecordingPlatform& p) { p.windows.erase(kFrontEnd); }, 0, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zent::testing
