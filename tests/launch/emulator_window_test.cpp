#include <gtest/gtest.h>

#include "launch/emulator_window.h"
#include "launch/launch_state.h"
#include "launch/styles.h"
#include "expected_streams.h"
#include "launch_fixture.h"

namespace zent::testing {
namespace {

constexpr WindowHandle kEmulator = kEmulatorWindow;
constexpr WindowHandle kOther = 0x600;

std::string Line(const char* text, std::uint32_t value) {
    return text + std::to_string(value);
}

class EmulatorWindowTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        EmulatorProcess = RecordingPlatform::kStartedProcess;
        PutEmulatorWindowInFront(platform);
        platform.windowProcesses[kOther] = 999;
    }
};

TEST_F(EmulatorWindowTest, CoversTheScreenAndStretchesTheStrippedEmulatorWindowTopmost) {
    PlaceEmulatorWindow(platform);
    EXPECT_EQ(platform.log, FullPlacementStream());
    EXPECT_EQ(EmulatorWindow, kEmulator);
    EXPECT_EQ(ScreenWidth, 1024);
    EXPECT_EQ(ScreenHeight, 768);
}

TEST_F(EmulatorWindowTest, StrippingKeepsEveryOtherStyleBit) {
    StripWindowFrame(platform, kEmulator);
    EXPECT_EQ(static_cast<std::uint32_t>(platform.windowLongs[{kEmulator, -16}]),
              kOverlappedVisible & ~0x00CC0000u);
    EXPECT_EQ(static_cast<std::uint32_t>(platform.windowLongs[{kEmulator, -20}]), 0x100u);
}

TEST_F(EmulatorWindowTest, ClearWindowStyleSelectsTheWordAndRepaintsTheFrameInPlace) {
    platform.windowLongs[{kEmulator, -20}] = -1;
    ClearWindowStyle(platform, kEmulator, true, 0x80000001u);
    EXPECT_EQ(platform.log,
              (std::vector<std::string>{Line("WriteWindowLong 1280 -20 ", 0x7FFFFFFE),
                                        "PlaceWindow 1280 after 0 at 0,0 size 0x0 flags 55"}));
}

TEST_F(EmulatorWindowTest, AForeignForegroundWindowKeepsItsFrameAndPlace) {
    for (const WindowHandle foreground : {kOther, WindowHandle{0}}) {
        SCOPED_TRACE(foreground);
        platform.log.clear();
        platform.foreground = foreground;
        PlaceEmulatorWindow(platform);
        EXPECT_EQ(platform.log, BackdropStream());
        EXPECT_EQ(EmulatorWindow, 0u);
    }
}

TEST_F(EmulatorWindowTest, NoEmulatorStartedMeansNoWindowIsTheEmulators) {
    EmulatorProcess = 0;
    platform.windowProcesses[0x700] = 0;
    platform.foreground = 0x700;
    PlaceEmulatorWindow(platform);
    EXPECT_EQ(platform.log, BackdropStream());
}

TEST_F(EmulatorWindowTest, PlacementFollowsTheScreenSize) {
    platform.screenWidth = 1920;
    platform.screenHeight = 1080;
    PlaceEmulatorWindow(platform);
    EXPECT_EQ(platform.log[1], "MoveCursor 1920,0");
    EXPECT_EQ(platform.log[3], "PlaceWindow 176 after 0 at 0,0 size 1920x1080 flags 16");
    EXPECT_EQ(platform.log.back(),
              "PlaceWindow 1280 after TOPMOST at 0,-20 size 1920x1100 flags 64");
}

}  // namespace
}  // namespace zent::testing
