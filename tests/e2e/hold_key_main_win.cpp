// zent_hold_key <key code> <longest hold in ms>
// Holds a key down like a user would, until the stand-in emulator's window is
// gone or the time is up, then lets go. Says what happened on standard output;
// exits with 0 when the window went away while the key was held.

#include <cstdio>
#include <cstdlib>

#include "e2e_support_win.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zent_hold_key <key code> <longest hold in ms>\n");
        return 2;
    }
    const int key = std::atoi(argv[1]);
    const int longest = std::atoi(argv[2]);
    const bool wasOpen = zent::FindTopLevel(zent::kStandInClass, nullptr, 0) != nullptr;
    const ULONGLONG start = GetTickCount64();
    const bool gone = zent::HoldKeyUntil(
        key, [] { return zent::FindTopLevel(zent::kStandInClass, nullptr, 0) == nullptr; },
        longest);
    std::printf("key %d held for %llu ms; emulator window %s\n", key, GetTickCount64() - start,
                !wasOpen ? "was not open"
                : gone   ? "closed"
                         : "still open");
    return wasOpen && gone ? 0 : 1;
}
