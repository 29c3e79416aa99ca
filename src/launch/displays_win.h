#pragma once

#include <vector>

#include "launch/launch_platform.h"

namespace zent {

// The displays connected now, as Windows names them; the launch and the
// Settings window's "Display" list both ask it.
std::vector<ConnectedDisplay> ConnectedDisplays();

}  // namespace zent
