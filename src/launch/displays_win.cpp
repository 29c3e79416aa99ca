#include "launch/displays_win.h"

#include <windows.h>

#include "launch/game_display.h"
#include "startup/text_locale_win.h"

namespace zent {

// Mirrored displays show as one monitor each, with the same area; every one
// keeps its own name, and so its number.
std::vector<ConnectedDisplay> ConnectedDisplays() {
    std::vector<ConnectedDisplay> displays;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM found) -> BOOL {
            MONITORINFOEXW info{};
            info.cbSize = sizeof info;
            if (!GetMonitorInfoW(monitor, &info)) {
                return TRUE;
            }
            const int number = DisplayNumberOfDevice(Utf8(info.szDevice));
            const RECT& area = info.rcMonitor;
            if (number != 0) {
                reinterpret_cast<std::vector<ConnectedDisplay>*>(found)->push_back(
                    {number,
                     {area.left, area.top, area.right - area.left, area.bottom - area.top},
                     (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&displays));
    return displays;
}

}  // namespace zent
