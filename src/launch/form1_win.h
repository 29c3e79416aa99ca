#pragma once

namespace zent {
// Loads the hidden launch form without showing it: the launch of GameName runs.
void LoadForm1();
}  // namespace zent
