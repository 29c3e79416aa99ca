#pragma once
// Window-style surgery on the emulator's window.

#include <cstdint>

#include "launch/launch_platform.h"

namespace zent {

// Clears the system menu, the sizing frame and the caption, then the tool-window
// bit of the extended style, one ClearWindowStyle each, in that order.
void StripWindowFrame(LaunchPlatform& platform, WindowHandle window);

// Clears bits in the style word (extended false) or the extended style word, and
// has the window take on its new frame.
void ClearWindowStyle(LaunchPlatform& platform, WindowHandle window, bool extended,
                      std::uint32_t bits);

// The flags of the repaint after each style change: frame recalculated, nothing moved.
inline constexpr std::uint32_t kFrameChangedOnly = kPositionNoSize | kPositionNoMove |
                                                   kPositionNoZOrder | kPositionNoActivate |
                                                   kPositionFrameChanged;

}  // namespace zent
