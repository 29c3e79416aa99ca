#include "launch/styles.h"

namespace zent {

void StripWindowFrame(LaunchPlatform& platform, WindowHandle window) {
    ClearWindowStyle(platform, window, false, kSysMenuStyle);
    ClearWindowStyle(platform, window, false, kThickFrameStyle);
    ClearWindowStyle(platform, window, false, kCaptionStyle);
    ClearWindowStyle(platform, window, true, kToolWindowExtendedStyle);
}

// A changed frame shows only after a SetWindowPos with the frame-changed flag.
// Position, size and z-order stay as they are: the window's final place is
// set right after the stripping.
void ClearWindowStyle(LaunchPlatform& platform, WindowHandle window, bool extended,
                      std::uint32_t bits) {
    const int index = extended ? kExtendedStyleIndex : kStyleIndex;
    const auto old = static_cast<std::uint32_t>(platform.ReadWindowLong(window, index));
    platform.WriteWindowLong(window, index, static_cast<std::int32_t>(old & ~bits));
    platform.PlaceWindow(window, 0, 0, 0, 0, 0, kFrameChangedOnly);
}

}  // namespace zent
