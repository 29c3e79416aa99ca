#include <gtest/gtest.h>

#include "emulator_model.h"
#include "fake_desktop.h"
#include "launch/emulator_window.h"
#include "launch/game_display.h"
#include "launch/launch_state.h"
#include "launch/styles.h"
#include "startup/config_store.h"
#include "test_globals.h"

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

class EmulatorWindowTest : public FreshGlobalsTest {
protected:
    void SetUp() override {
        FreshGlobalsTest::SetUp();
        Launch.EmulatorProcess = FakeDesktop::kStartedProcess;
        desktop.windows[kOther] = {.process = 999, .title = "Front End", .x = 10, .width = 300};
        desktop.zOrder.push_back(kOther);
        PutEmulatorWindowInFront(desktop);
        ChooseGameDisplay(desktop);
    }

    FakeScreen desktop;
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
    desktop.screenWidth = width;
    desktop.screenHeight = height;
    ChooseGameDisplay(desktop);
    PlaceEmulatorWindow(desktop, desktop);

    const FakeWindow& emulator = desktop.windows[kEmulator];
    EXPECT_EQ(PlaceOf(emulator), (Rectangle{0, -20, width, height + 20}));
    EXPECT_TRUE(emulator.topmost && emulator.visible);
    EXPECT_EQ(emulator.style, kOverlappedVisible & ~kFrameBits);
    EXPECT_EQ(emulator.extendedStyle, kToolWindowEdge & ~0x80u);
    EXPECT_EQ(PlaceOf(desktop.windows[FakeScreen::kBackdrop]), (Rectangle{0, 0, width, height}));
    EXPECT_EQ(desktop.zOrder,
              (std::vector<WindowHandle>{kEmulator, FakeScreen::kBackdrop, kOther}));
    EXPECT_EQ(desktop.foreground, kEmulator) << "the emulator lost the keyboard";
    EXPECT_EQ(desktop.cursorX, width - 1);
    EXPECT_EQ(desktop.cursorY, 0);
    EXPECT_EQ(Launch.EmulatorWindow, kEmulator);
    EXPECT_EQ(Launch.ScreenWidth, width);
    EXPECT_EQ(Launch.ScreenHeight, height);
    EXPECT_TRUE(desktop.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Screens, PlacementTest,
                         ::testing::Values(ScreenCase{1024, 768}, ScreenCase{1920, 1080}));

// Its menu bar at 96, 144 and 192 DPI, and scaled to 200 % (not DPI-aware), is
// hidden; display 2 lies right of the primary, display 3 is not connected.
TEST_F(EmulatorWindowTest, CoversTheChosenDisplayAndHidesTheWholeMenuBar) {
    desktop.displays = {{2, {1024, 0, 800, 600}, false}};
    const Rectangle primary{0, 0, 1024, 768}, second{1024, 0, 800, 600};
    for (const auto& [chosen, menuRows, display, hidden] :
         std::vector<std::tuple<int, int, Rectangle, int>>{{0, 19, primary, 20},
                                                           {0, 29, primary, 29},
                                                           {0, 38, primary, 38},
                                                           {2, 40, second, 40},
                                                           {3, 0, primary, 20}}) {
        Config.Display = {chosen};
        desktop.windows[kEmulator].rowsAboveClient = menuRows;
        ChooseGameDisplay(desktop);
        PlaceEmulatorWindow(desktop, desktop);
        const auto [x, y, width, height] = display;
        EXPECT_EQ(PlaceOf(desktop.windows[kEmulator]),
                  (Rectangle{x, y - hidden, width, height + hidden}));
        EXPECT_EQ(PlaceOf(desktop.windows[FakeScreen::kBackdrop]), display);
        EXPECT_EQ(std::pair(desktop.cursorX, desktop.cursorY), std::pair(x + width - 1, y));
    }
}

TEST(GameDisplayTest, ListsTheConnectedDisplaysByNumberAndKeepsTheChoice) {
    const std::vector<ConnectedDisplay> connected = {{2, {0, 0, 800, 600}, false},
                                                     {1, {0, 0, 1024, 768}, true}};
    EXPECT_EQ(DisplayEntries(connected, 3),
              (std::vector<DisplayEntry>{{0, "Primary display"},
                                         {1, "Display 1: 1024 x 768 (primary)"},
                                         {2, "Display 2: 800 x 600"},
                                         {3, "Display 3 (not connected)"}}));
}

TEST_F(EmulatorWindowTest, ClearWindowStyleClearsOnlyItsBitsOfTheChosenWordInPlace) {
    desktop.windows[kEmulator].extendedStyle = 0xFFFFFFFF;
    ClearWindowStyle(desktop, kEmulator, true, 0x80000001u);
    const FakeWindow& window = desktop.windows[kEmulator];
    EXPECT_EQ(window.extendedStyle, 0x7FFFFFFEu);
    EXPECT_EQ(window.style, kOverlappedVisible);
    EXPECT_EQ(PlaceOf(window), (Rectangle{100, 80, 640, 480}));
    EXPECT_EQ(desktop.zOrder, (std::vector<WindowHandle>{kEmulator, kOther}));
}

// A box the emulator shows as the game starts is in front: the game's window,
// which owns it, is the one made full screen, and the box stays in front of it.
TEST_F(EmulatorWindowTest, TheMainWindowIsPlacedWhenABoxOfTheEmulatorIsInFront) {
    constexpr WindowHandle kBox = 0x510;
    desktop.AddWindowInFront(kBox, FakeDesktop::kStartedProcess, "Disc read error");
    FakeWindow& box = desktop.windows[kBox];
    box.owner = kEmulator;
    box.x = 300;
    box.width = 200;
    box.style = kOverlappedVisible;
    const FakeWindow before = box;
    PlaceEmulatorWindow(desktop, desktop);

    EXPECT_EQ(Launch.EmulatorWindow, kEmulator);
    EXPECT_EQ(PlaceOf(desktop.windows[kEmulator]), (Rectangle{0, -20, 1024, 788}));
    EXPECT_TRUE(desktop.windows[kEmulator].topmost);
    // The box keeps its place and frame, in front of the game with the keyboard.
    EXPECT_EQ(PlaceOf(desktop.windows[kBox]), PlaceOf(before));
    EXPECT_EQ(desktop.windows[kBox].style, before.style);
    EXPECT_EQ(desktop.zOrder.front(), kBox);
    EXPECT_EQ(desktop.foreground, kBox);
}

// The foreground window is the emulator's only when its process is the one
// started: any other keeps its frame and place, with the backdrop behind it.
TEST_F(EmulatorWindowTest, AWindowNotOfTheEmulatorKeepsItsFrameAndPlace) {
    for (const auto& [foreground, process] :
         std::vector<std::pair<WindowHandle, ProcessId>>{{kOther, 999}, {0, 0}, {0x700, 0}}) {
        SCOPED_TRACE(foreground);
        desktop.windows[0x700].process = process;
        const auto before = desktop.windows;
        desktop.foreground = foreground;
        PlaceEmulatorWindow(desktop, desktop);
        EXPECT_EQ(Launch.EmulatorWindow, 0u);
        for (const WindowHandle window : {kEmulator, kOther, WindowHandle{0x700}}) {
            EXPECT_EQ(PlaceOf(desktop.windows[window]), PlaceOf(before.at(window)));
            EXPECT_EQ(desktop.windows[window].style, before.at(window).style);
            EXPECT_FALSE(desktop.windows[window].topmost);
        }
        EXPECT_TRUE(desktop.windows.contains(FakeScreen::kBackdrop));
        EXPECT_EQ(desktop.foreground, foreground);
    }
}

}  // namespace
}  // namespace zent::testing
