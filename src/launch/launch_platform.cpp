#include "launch/launch_platform.h"

#include <algorithm>

namespace zent {

bool WaitFor(Clock& clock, std::uint32_t milliseconds, std::uint32_t wakeEvery,
             const std::function<bool(bool)>& done) {
    const std::uint64_t deadline = clock.Milliseconds() + milliseconds;
    bool ended = false;
    while (!done(ended)) {
        const std::uint64_t now = clock.Milliseconds();
        if (now >= deadline) {
            return false;
        }
        ended = clock.Wait(
            static_cast<std::uint32_t>(std::min<std::uint64_t>(deadline - now, wakeEvery)));
    }
    return true;
}

void Pause(Clock& clock, std::uint32_t milliseconds) {
    WaitFor(clock, milliseconds, milliseconds, [](bool) { return false; });
}

}  // namespace zent
