#include "expected_streams.h"

#include <map>

#include "launch/automation_steps.h"

namespace zent::testing {

namespace {

constexpr KeyCode kO = 79, kR = 82, kEnter = 13, kTab = 9, kDown = 40, kRight = 39;

std::string Line(const char* text, std::uint32_t value) {
    return text + std::to_string(value);
}

}  // namespace

const std::vector<MenuStep>& MenuSteps() {
    static const std::vector<MenuStep> steps = [] {
        const auto down = Press(kDown);
        const auto right = Press(kRight);
        const auto enter = Press(kEnter);
        return std::vector<MenuStep>{
            {"StartUpSequence", StartUpSequence,
             Join({Chord(kO), enter, Press(kTab), Press(kTab)})},
            {"InitGame", InitGame, Join({Chord(kR), enter})},
            {"InitCapcom", InitCapcom, Join({Chord(kO), down, down, down, down, down, enter})},
            {"InitFps", InitFps, Join({Chord(kO), down, right, down, down, down, enter})},
            {"InitNTSC", InitNTSC, Join({Chord(kO), down, down, down, right, down, enter})},
            {"InitZwrite", InitZwrite, Join({Chord(kO), down, right, enter})},
            {"InitZwriteAlpha", InitZwriteAlpha, Join({Chord(kO), down, right, down, enter})},
            {"InitHighPriority", InitHighPriority,
             Join({Chord(kO), down, down, down, down, right, down, enter})},
        };
    }();
    return steps;
}

const std::vector<std::string>& StreamOf(const std::string& stepName) {
    for (const MenuStep& step : MenuSteps()) {
        if (step.name == stepName) {
            return step.events;
        }
    }
    throw std::invalid_argument("no step " + stepName);
}

std::vector<std::string> BackdropStream() {
    return {"Sleep 100", "MoveCursor 1024,0", "ShowBackdrop",
            "PlaceWindow 176 after 0 at 0,0 size 1024x768 flags 16"};
}

std::vector<std::string> FullPlacementStream() {
    const std::string repaint = "PlaceWindow 1280 after 0 at 0,0 size 0x0 flags 55";
    return Join({BackdropStream(),
                 {Line("WriteWindowLong 1280 -16 ", 0x16C70000), repaint,
                  Line("WriteWindowLong 1280 -16 ", 0x16C30000), repaint,
                  Line("WriteWindowLong 1280 -16 ", 0x16030000), repaint,
                  Line("WriteWindowLong 1280 -20 ", 0x00000100), repaint,
                  "PlaceWindow 1280 after TOPMOST at 0,-20 size 1024x788 flags 64"}});
}

void PutEmulatorWindowInFront(RecordingPlatform& platform) {
    platform.foreground = kEmulatorWindow;
    platform.windowProcesses[kEmulatorWindow] = RecordingPlatform::kStartedProcess;
    platform.windowLongs[{kEmulatorWindow, -16}] = static_cast<std::int32_t>(kOverlappedVisible);
    platform.windowLongs[{kEmulatorWindow, -20}] = static_cast<std::int32_t>(kToolWindowEdge);
}

}  // namespace zent::testing
