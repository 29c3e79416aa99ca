#pragma once
// The display the game goes to: the one the player chose in Settings, by the
// number in Windows' own name for it ("\\.\DISPLAY2", the number its display
// settings show), which stays when displays are enumerated in another order or
// one is unplugged.

#include <string>
#include <string_view>
#include <vector>

#include "launch/launch_platform.h"

namespace zent {

// The display's number in a device name "\\.\DISPLAYN"; 0 for any other name.
int DisplayNumberOfDevice(std::string_view deviceName);

// Notes in Launch, as ScreenLeft, ScreenTop, ScreenWidth and ScreenHeight, the
// area of Config.Display, or of the primary display when the choice is the
// primary or names a display that is not connected (the trace says so), and
// returns it. The launch chooses once, before the emulator's start.
DisplayArea ChooseGameDisplay(Screen& screen);

// The area ChooseGameDisplay noted.
DisplayArea ChosenGameDisplay();

// An entry of the Settings window's "Display" list: its number (0 for the
// primary) and its text.
struct DisplayEntry {
    int number;
    std::string text;
    bool operator==(const DisplayEntry&) const = default;
};

// "Primary display", then the connected displays by number as "Display 2: 800 x 600",
// the primary marked " (primary)"; a chosen display that is not connected keeps
// an entry, so that saving does not drop the choice.
std::vector<DisplayEntry> DisplayEntries(std::vector<ConnectedDisplay> connected, int chosen);

}  // namespace zent
