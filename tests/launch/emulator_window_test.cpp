#include <gtest/gtest.h>

#include "emulator_model.h"
#include "launch/emulator_window.h"
#include "launch/launch_state.h"
#include "launch/styles.h"
#include "launch_fixture.h"

namespace zent::testing {
namespace {

constexpr WindowHandle kEmulator = kEmulatorWindow;
constexpr WindowHandle kOther = 0x600;
constexpr std::uint32_t kFrameBits = 0x00080000 | 0x00040000 | 0x00C00000;

struct Rectangle {
    int x, y, width, height;
    bool operator==(const Rectangle&) const = default;
};

void PrintTo(const Rectangle& r, std::ostream* out) {
    *out << r.x << "," << r.y << " " << r.width << "x" << r.height;
}

Rectangle PlaceOf(const FakeWindow& window) {
    return {window.x, window.y, window.width, window.height};
}

class EmulatorWindowTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        Launch.EmulatorProcess = RecordingPlatform::kStartedProcess;
        platform.windows[kOther] = {.process = 999, .title = "Front End", .x = 10, .width = 300};
        platform.zOrder.push_back(kOther);
        PutEmulatorWindowInFront(platform);
    }
};

struct ScreenCase {
    int width, height;
};

void PrintTo(const ScreenCase& c, std::ostream* out) {
    *out << c.width << "x" << c.height;
}

class PlacementTest : public EmulatorWindowTest,
                      public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(PlacementTest, CoversTheScreenAndStretchesTheStrippedEmulatorWindowTopmost) {
    const auto [width, height] = GetParam();
    platform.screenWidth = width;
    platform.screenHeight = height;
    PlaceEmulatorWindow(platform, platform);

    const FakeWindow& emulator = platform.windows[kEmulator];
    EXPECT_EQ(PlaceOf(emulator), (Rectangle{0, -20, width, height + 20}));
    EXPECT_TRUE(emulator.topmost && emulator.visible);
    EXPECT_EQ(emulator.style, kOverlappedVisible & ~kFrameBits);
    EXPECT_EQ(emulator.extendedStyle, kToolWindowEdge & ~0x80u);
    EXPECT_EQ(PlaceOf(platform.windows[RecordingPlatform::kBackdrop]),
              (Rectangle{0, 0, width, height}));
    EXPECT_EQ(platform.zOrder,
              (std::vector<WindowHandle>{kEmulator, RecordingPlatform::kBackdrop, kOther}));
    EXPECT_EQ(platform.foreground, kEmulator) << "the emulator lost the keyboard";
    EXPECT_EQ(platform.cursorX, width - 1);
    EXPECT_EQ(platform.cursorY, 0);
    EXPECT_EQ(Launch.EmulatorWindow, kEmulator);
    EXPECT_EQ(Launch.ScreenWidth, width);
    EXPECT_EQ(Launch.ScreenHeight, height);
    EXPECT_EQ(platform.log, std::vector<std::string>{"Sleep 100"});
}

INSTANTIATE_TEST_SUITE_P(Screens, PlacementTest,
                         ::testing::Values(ScreenCase{1024, 768}, ScreenCase{1920, 1080}));

TEST_F(EmulatorWindowTest, ClearWindowStyleClearsOnlyItsBitsOfTheChosenWordInPlace) {
    platform.windows[kEmulator].extendedStyle = 0xFFFFFFFF;
    ClearWindowStyle(platform, kEmulator, true, 0x80000001u);
    const FakeWindow& window = platform.windows[kEmulator];
    EXPECT_EQ(window.extendedStyle, 0x7FFFFFFEu);
    EXPECT_EQ(window.style, kOverlappedVisible);
    EXPECT_EQ(PlaceOf(window), (Rectangle{100, 80, 640, 480}));
    EXPECT_EQ(platform.zOrder, (std::vector<WindowHandle>{kEmulator, kOther}));
}

// A box the emulator shows as the game starts is in front: the game's window,
// which owns it, is the one made full screen, and the box stays in front of it.
TEST_F(EmulatorWindowTest, TheMainWindowIsPlacedWhenABoxOfTheEmulatorIsInFront) {
    constexpr WindowHandle kBox = 0x510;
    platform.AddWindowInFront(kBox, RecordingPlatform::kStartedProcess, "Disc read error");
    FakeWindow& box = platform.windows[kBox];
    box.owner = kEmulator;
    box.x = 300;
    box.width = 200;
    box.style = kOverlappedVisible;
    const FakeWindow before = box;
    PlaceEmulatorWindow(platform, platform);

    EXPECT_EQ(Launch.EmulatorWindow, kEmulator);
    EXPECT_EQ(PlaceOf(platform.windows[kEmulator]), (Rectangle{0, -20, 1024, 788}));
    EXPECT_TRUE(platform.windows[kEmulator].topmost);
    // The box keeps its place and frame, in front of the game with the keyboard.
    EXPECT_EQ(PlaceOf(platform.windows[kBox]), PlaceOf(before));
    EXPECT_EQ(platform.windows[kBox].style, before.style);
    EXPECT_EQ(platform.zOrder.front(), kBox);
    EXPECT_EQ(platform.foreground, kBox);
}

// The foreground window is the emulator's only when its process is the one
// started: any other keeps its frame and place, with the backdrop behind it.
TEST_F(EmulatorWindowTest, AWindowNotOfTheEmulatorKeepsItsFrameAndPlace) {
    for (const auto& [foreground, process] :
         std::vector<std::pair<WindowHandle, ProcessId>>{{kOther, 999}, {0, 0}, {0x700, 0}}) {
        SCOPED_TRACE(foreground);
        platform.windows[0x700].process = process;
        const auto before = platform.windows;
        platform.foreground = foreground;
        PlaceEmulatorWindow(platform, platform);
        EXPECT_EQ(Launch.EmulatorWindow, 0u);
        for (const WindowHandle window : {kEmulator, kOther, WindowHandle{0x700}}) {
            EXPECT_EQ(PlaceOf(platform.windows[window]), PlaceOf(before.at(window)));
            EXPECT_EQ(platform.windows[window].style, before.at(window).style);
            EXPECT_FALSE(platform.windows[window].topmost);
        }
        EXPECT_TRUE(platform.windows.contains(RecordingPlatform::kBackdrop));
        EXPECT_EQ(platform.foreground, foreground);
    }
}

}  // namespace
}  // namespace zent::testing
