#pragma once
// Window-style surgery on the emulator's window.

#include <cstdint>

#include "launch/launch_platform.h"

namespace zent {

// Leaves the window no frame to show: no caption, sizing border or system menu,
// and no tool-window edge.
void StripWindowFrame(Desktop& desktop, WindowHandle window);

// extended selects the extended style word instead of the style word.
void ClearWindowStyle(Desktop& desktop, WindowHandle window, bool extended, std::uint32_t bits);

inline constexpr std::uint32_t kFrameChangedOnly = kPositionNoSize | kPositionNoMove |
                                                   kPositionNoZOrder | kPositionNoActivate |
                                                   kPositionFrameChanged;

}  // namespace zent
