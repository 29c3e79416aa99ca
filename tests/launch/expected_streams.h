#pragma once
// The event streams the launch's steps must produce, written out from the
// documented key tables, for the step tests and the whole-launch tests alike.

#include <string>
#include <vector>

#include "recording_platform.h"

namespace zent::testing {

struct MenuStep {
    std::string name;
    void (*step)(LaunchPlatform&);
    std::vector<std::string> events;
};

// StartUpSequence, InitGame and the six option toggles.
const std::vector<MenuStep>& MenuSteps();
const std::vector<std::string>& StreamOf(const std::string& stepName);

// The backdrop part of PlaceEmulatorWindow on a 1024 x 768 screen.
std::vector<std::string> BackdropStream();
// The whole of PlaceEmulatorWindow when the foreground window 1280 is the
// emulator's and has an overlapped frame 0x16CF0000 and extended style 0x180.
std::vector<std::string> FullPlacementStream();

inline constexpr WindowHandle kEmulatorWindow = 0x500;
inline constexpr std::uint32_t kOverlappedVisible = 0x16CF0000;
inline constexpr std::uint32_t kToolWindowEdge = 0x00000180;

// Gives platform a foreground emulator window of the process it starts.
void PutEmulatorWindowInFront(RecordingPlatform& platform);

}  // namespace zent::testing
