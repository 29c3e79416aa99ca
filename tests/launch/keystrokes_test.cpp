#include <gtest/gtest.h>

#include "launch/keystrokes.h"
#include "launch_fixture.h"

namespace zent::testing {
namespace {

using KeystrokesTest = LaunchTest;

TEST_F(KeystrokesTest, PressKeyIsOneDownAndOneUpWithScanCodeAndExtraInformationZero) {
    PressKey(platform, 69);
    EXPECT_EQ(platform.keyEvents, (std::vector<KeyEvent>{{69, 0, 0, 0}, {69, 0, 2, 0}}));
    EXPECT_EQ(platform.log, (std::vector<std::string>{"down 69", "up 69"}));
}

TEST_F(KeystrokesTest, PressAltChordReleasesAltBeforeTheChordKey) {
    PressAltChord(platform, 0x73);
    EXPECT_EQ(
        platform.keyEvents,
        (std::vector<KeyEvent>{{18, 0, 0, 0}, {0x73, 0, 0, 0}, {18, 0, 2, 0}, {0x73, 0, 2, 0}}));
}

// The keyboard check of every launch test must itself catch the two faults it
// exists for.
TEST(RecordingPlatformTest, NoticesALoneAltAndAKeyLeftDown) {
    RecordingPlatform lone;
    PressKey(lone, kKeyAlt);
    EXPECT_TRUE(lone.AltTappedAlone());

    RecordingPlatform chord;
    PressAltChord(chord, kKeyO);
    EXPECT_FALSE(chord.AltTappedAlone());
    EXPECT_FALSE(chord.AnyKeyDown());

    RecordingPlatform held;
    held.KeyboardEvent(kKeyDown, 0, 0, 0);
    EXPECT_TRUE(held.AnyKeyDown());
    EXPECT_TRUE(held.KeyIsDown(kKeyDown));
}

}  // namespace
}  // namespace zent::testing
