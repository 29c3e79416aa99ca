#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>

#include "launch/automation_steps.h"
#include "launch/launch_state.h"
#include "expected_streams.h"
#include "launch_fixture.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"

namespace zent::testing {
namespace {

constexpr KeyCode kEnter = 13;

// Four events for an Alt chord, two for every other key.
const std::map<std::string, std::size_t> kEventCounts = {
    {"StartUpSequence", 10}, {"InitGame", 6},    {"InitCapcom", 16},      {"InitFps", 16},
    {"InitNTSC", 16},        {"InitZwrite", 10}, {"InitZwriteAlpha", 12}, {"InitHighPriority", 18}};

using AutomationStepsTest = LaunchTest;

TEST_F(AutomationStepsTest, EachMenuStepInjectsExactlyItsKeysWithoutPause) {
    for (const MenuStep& c : MenuSteps()) {
        SCOPED_TRACE(c.name);
        RecordingPlatform step;
        c.step(step);
        EXPECT_EQ(step.log, c.events);
        EXPECT_EQ(step.keyEvents.size(), kEventCounts.at(c.name));
        for (const KeyEvent& event : step.keyEvents) {
            EXPECT_EQ(event.scanCode, 0);
            EXPECT_EQ(event.extraInfo, 0u);
            EXPECT_TRUE(event.flags == 0 || event.flags == 2);
        }
        EXPECT_FALSE(step.AnyKeyDown());
        EXPECT_FALSE(step.AltTappedAlone());
    }
}

TEST_F(AutomationStepsTest, SelectDriveWaitsForTheDialogThenPressesTheDriveKeyAndEnter) {
    DriveKey = "69";
    SelectDrive(platform);
    EXPECT_EQ(platform.log, Join({{"Sleep 100"}, Press(69), Press(kEnter)}));
}

TEST_F(AutomationStepsTest, SelectDriveWithABadDriveKeyFailsBeforeAnyKey) {
    for (const char* key : {"E", "256", "-1", ""}) {
        SCOPED_TRACE(key);
        DriveKey = key;
        RecordingPlatform step;
        EXPECT_THROW(SelectDrive(step), FatalError);
        EXPECT_TRUE(step.keyEvents.empty());
    }
}

struct SpeedCase {
    double cpuSpeed;
    KeyCode key;
    int presses;
};

void PrintTo(const SpeedCase& c, std::ostream* out) {
    *out << "CpuSpeed " << c.cpuSpeed;
}

class CpuSpeedTest : public LaunchTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(CpuSpeedTest, PressesOncePerWholePointFromAHundredEachFollowedByOneMillisecond) {
    CpuSpeed = GetParam().cpuSpeed;
    SetCpuSpeed(platform);
    std::vector<std::string> expected;
    for (int i = 0; i < GetParam().presses; ++i) {
        const std::string key = std::to_string(GetParam().key);
        expected.insert(expected.end(), {"down " + key, "up " + key, "Sleep 1"});
    }
    EXPECT_EQ(platform.log, expected);
}

constexpr KeyCode kPlus = 107, kMinus = 109;

INSTANTIATE_TEST_SUITE_P(
    Speeds, CpuSpeedTest,
    ::testing::Values(SpeedCase{100, kPlus, 0}, SpeedCase{150, kPlus, 50},
                      SpeedCase{75, kMinus, 25}, SpeedCase{0, kMinus, 100},
                      SpeedCase{100.5, kPlus, 0}, SpeedCase{99.5, kMinus, 0},
                      SpeedCase{150.7, kPlus, 50}, SpeedCase{101, kPlus, 1},
                      SpeedCase{-50, kMinus, 150},
                      // The cap: 1000 points either way, and no more.
                      SpeedCase{1099.9, kPlus, 999}, SpeedCase{1100, kPlus, 1000},
                      SpeedCase{1100.5, kPlus, 1000}, SpeedCase{1e9, kPlus, 1000},
                      SpeedCase{std::numeric_limits<double>::infinity(), kPlus, 1000},
                      SpeedCase{-900, kMinus, 1000}, SpeedCase{-1e9, kMinus, 1000},
                      SpeedCase{std::numeric_limits<double>::quiet_NaN(), kPlus, 0}));

}  // namespace
}  // namespace zent::testing
