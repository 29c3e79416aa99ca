#include "launch/game_display.h"

#include <algorithm>
#include <charconv>

#include "launch/launch_state.h"
#include "startup/config_store.h"
#include "startup/text_conversions.h"
#include "startup/trace.h"

namespace zent {

int DisplayNumberOfDevice(std::string_view deviceName) {
    constexpr std::string_view kPrefix = "\\\\.\\DISPLAY";
    if (!deviceName.starts_with(kPrefix)) {
        return 0;
    }
    const std::string_view digits = deviceName.substr(kPrefix.size());
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() && end == digits.data() + digits.size() && number > 0 ? number : 0;
}

namespace {

// The primary display by the metrics the placement has always used, so that a
// launch on one display keeps its figures.
DisplayArea GameDisplay(Screen& screen) {
    const DisplayArea primary{0, 0, screen.SystemMetric(kScreenWidthMetric),
                              screen.SystemMetric(kScreenHeightMetric)};
    const int chosen = Config.Display.number;
    if (chosen == 0) {
        return primary;
    }
    for (const ConnectedDisplay& display : screen.Displays()) {
        if (display.number == chosen) {
            const DisplayArea& area = display.area;
            Trace("the game goes to display " + std::to_string(chosen) + ", " +
                  std::to_string(area.width) + "x" + std::to_string(area.height) + " at " +
                  std::to_string(area.left) + "," + std::to_string(area.top));
            return area;
        }
    }
    Trace("display " + std::to_string(chosen) +
          " is not connected: the game goes to the primary display");
    return primary;
}

}  // namespace

DisplayArea ChooseGameDisplay(Screen& screen) {
    const DisplayArea area = GameDisplay(screen);
    Launch.ScreenLeft = area.left;
    Launch.ScreenTop = area.top;
    Launch.ScreenWidth = area.width;
    Launch.ScreenHeight = area.height;
    return area;
}

DisplayArea ChosenGameDisplay() {
    return {Launch.ScreenLeft, Launch.ScreenTop, Launch.ScreenWidth, Launch.ScreenHeight};
}

std::vector<DisplayEntry> DisplayEntries(std::vector<ConnectedDisplay> connected, int chosen) {
    std::sort(connected.begin(), connected.end(),
              [](const auto& a, const auto& b) { return a.number < b.number; });
    std::vector<DisplayEntry> entries{{0, "Primary display"}};
    bool chosenListed = chosen == 0;
    for (const ConnectedDisplay& display : connected) {
        entries.push_back({display.number, "Display " + std::to_string(display.number) + ": " +
                                               std::to_string(display.area.width) + " x " +
                                               std::to_string(display.area.height) +
                                               (display.primary ? " (primary)" : "")});
        chosenListed = chosenListed || display.number == chosen;
    }
    if (!chosenListed) {
        entries.push_back({chosen, "Display " + std::to_string(chosen) + " (not connected)"});
    }
    return entries;
}

}  // namespace zent
