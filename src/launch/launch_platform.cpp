#include "launch/launch_platform.h"

#include <algorithm>

namespace zent {

bool WaitFor(Desktop& desktop, std::uint32_t milliseconds, std::uint32_t wakeEvery,
             const std::function<bool(bool)>& done) {
    const std::uint64_t deadline = desktop.Milliseconds() + milliseconds;
    bool ended = false;
    while (!done(ended)) {
        const std::uint64_t now = desktop.Milliseconds();
        if (now >= deadline) {
            return false;
        }
        ended = desktop.Wait(
            static_cast<std::uint32_t>(std::min<std::uint64_t>(deadline - now, wakeEvery)));
    }
    return true;
}

void LaunchPlatform::Sleep(std::uint32_t milliseconds) {
    WaitFor(*this, milliseconds, milliseconds, [](bool) { return false; });
}

}  // namespace zent
