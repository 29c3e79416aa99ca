#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "emulator_model.h"
#include "launch/automation_steps.h"
#include "launch/launch_state.h"
#include "launch_fixture.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"

namespace zent::testing {
namespace {

// The one place the launch's order is written out: it is binding. A new step
// may come between these.
TEST(AutomationStepsTest, RunInTheirFixedOrder) {
    const std::vector<std::string> order = {
        "StartUpSequence", "SelectDrive",         "InitCapcom",      "InitFps",
        "InitNTSC",        "InitZwrite",          "InitZwriteAlpha", "InitHighPriority",
        "InitGame",        "PlaceEmulatorWindow", "SetCpuSpeed"};
    std::vector<std::string> named;
    for (const AutomationStep& step : kAutomationSteps) {
        if (std::find(order.begin(), order.end(), step.name) != order.end()) {
            named.push_back(step.name);
        }
    }
    EXPECT_EQ(named, order);
}

struct MenuCase {
    const char* name;
    std::vector<std::string> reactions;  // the entry of the emulator's menus it must choose
};

void PrintTo(const MenuCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuStepTest : public LaunchTest, public ::testing::WithParamInterface<MenuCase> {};

// Each step injects its keys back to back, with no pause, as plain key events,
// and they choose the step's own entry of the emulator's menus and nothing else.
TEST_P(MenuStepTest, ChoosesItsEntryOfTheEmulatorsMenus) {
    StepNamed(GetParam().name).keys(platform);
    EXPECT_EQ(EmulatorReactions(platform.keyEvents), GetParam().reactions);
    EXPECT_EQ(platform.LogWithoutKeys(), std::vector<std::string>{}) << "a pause inside a step";
    for (const KeyEvent& event : platform.keyEvents) {
        EXPECT_EQ(event.scanCode, 0);
        EXPECT_EQ(event.extraInfo, 0u);
        EXPECT_TRUE(event.flags == 0 || event.flags == kKeyEventKeyUp);
    }
}

const std::vector<MenuCase> kMenuCases = {
    {"InitGame", {"command R1 start-game"}},
    {"InitCapcom", {"command O6 capcom-hack"}},
    {"InitFps", {"command O2.4 frame-rate-display"}},
    {"InitNTSC", {"command O4.2 ntsc"}},
    {"InitZwrite", {"command O2.1 z-writing"}},
    {"InitZwriteAlpha", {"command O2.2 alpha-z-writing"}},
    {"InitHighPriority", {"command O5.2 high-priority"}},
};

INSTANTIATE_TEST_SUITE_P(Steps, MenuStepTest, ::testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A new step gets a menu row above, or a test of its own named here.
TEST(AutomationStepsTest, EveryStepIsTested) {
    const std::set<std::string> testedApart = {"StartUpSequence", "SelectDrive",
                                               "PlaceEmulatorWindow", "SetCpuSpeed"};
    for (const AutomationStep& step : kAutomationSteps) {
        EXPECT_TRUE(
            testedApart.contains(step.name) ||
            std::ranges::any_of(
                kMenuCases, [&](const MenuCase& c) { return std::string(c.name) == step.name; }))
            << step.name;
    }
}

// StartUpSequence opens the drive dialog with the focus on the drive choice,
// where SelectDrive's key picks the drive, after the dialog had 100 ms to open.
TEST_F(LaunchTest, StartUpSequenceAndSelectDriveMountTheGamesDrive) {
    Launch.DriveKey = "69";
    StepNamed("StartUpSequence").keys(platform);
    EXPECT_TRUE(platform.log.back().starts_with("up ")) << "a pause before the dialog's keys";
    StepNamed("SelectDrive").keys(platform);
    EXPECT_EQ(EmulatorReactions(platform.keyEvents),
              (std::vector<std::string>{"command O1 drive-dialog", "drive E"}));
    EXPECT_EQ(platform.LogWithoutKeys(), std::vector<std::string>{"Sleep 100"});
    EXPECT_EQ(platform.log[platform.log.size() - 5], "Sleep 100") << "not right before the key";
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
    Config.CpuSpeed = GetParam().cpuSpeed;
    StepNamed("SetCpuSpeed").keys(platform);
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
