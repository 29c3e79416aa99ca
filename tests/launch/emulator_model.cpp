#include "emulator_model.h"

#include "stand_in_controls.h"

namespace zent::testing {

std::vector<std::string> EmulatorReactions(const std::vector<KeyEvent>& events) {
    StandInControls emulator;
    std::vector<std::string> reactions;
    bool altDown = false;
    for (const KeyEvent& event : events) {
        const bool up = (event.flags & kKeyEventKeyUp) != 0;
        if (event.key == kKeyAlt) {
            altDown = !up;
            continue;
        }
        if (up) {
            continue;
        }
        const KeyReaction reaction = emulator.Press(event.key, altDown);
        if (!reaction.consumed) {
            reactions.push_back("ignored " + std::to_string(event.key));
        }
        reactions.insert(reactions.end(), reaction.lines.begin(), reaction.lines.end());
    }
    return reactions;
}

void PutEmulatorWindowInFront(FakeDesktop& desktop) {
    desktop.AddWindowInFront(kEmulatorWindow, FakeDesktop::kStartedProcess, "Zentavio");
    FakeWindow& window = desktop.windows[kEmulatorWindow];
    window.x = 100;
    window.y = 80;
    window.width = 640;
    window.height = 480;
    window.style = kOverlappedVisible;
    window.extendedStyle = kToolWindowEdge;
}

}  // namespace zent::testing
