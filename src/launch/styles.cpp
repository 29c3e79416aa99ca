#include "launch/styles.h"

namespace zent {

void StripWindowFrame(Desktop& desktop, WindowHandle window) {
    ClearWindowStyle(desktop, window, false, kSysMenuStyle);
    ClearWindowStyle(desktop, window, false, kThickFrameStyle);
    ClearWindowStyle(desktop, window, false, kCaptionStyle);
    ClearWindowStyle(desktop, window, true, kToolWindowExtendedStyle);
}

// A changed frame shows only after a SetWindowPos with the frame-changed flag.
// Position, size and z-order stay as they are: the window's final place is
// set right after the stripping.
void ClearWindowStyle(Desktop& desktop, WindowHandle window, bool extended, std::uint32_t bits) {
    const int index = extended ? kExtendedStyleIndex : kStyleIndex;
    const auto old = static_cast<std::uint32_t>(desktop.ReadWindowLong(window, index));
    desktop.WriteWindowLong(window, index, static_cast<std::int32_t>(old & ~bits));
    desktop.PlaceWindow(window, 0, 0, 0, 0, 0, kFrameChangedOnly);
}

}  // namespace zent
