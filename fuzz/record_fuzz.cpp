// A game's record text unpacked into the launch state, as the launch does with
// whatever LookupGame found. The input is the record; after a NUL byte comes the
// game's name, which the error messages quote.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "launch/launch_state.h"
#include "startup/command_line.h"
#include "startup/file_system.h"

namespace {

struct LaunchState {
    std::string driveKey = zent::DriveKey;
    std::int16_t rendererType = zent::RendererType;
    bool zWrite = zent::ZWrite;
    bool zWriteAlpha = zent::ZWriteAlpha;
    bool ntscMode = zent::NtscMode;

    bool operator==(const LaunchState&) const = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    zent::SetProgramFolder("C:\\Games\\Zentavio");
    zent::GameName = nul == std::string_view::npos ? "SPACE RACE" : input.substr(nul + 1);
    const LaunchState before;
    try {
        zent::UnpackRecord(std::string(input.substr(0, nul)));
    } catch (const zent::FatalError& error) {
        zent::CheckFatalError(error);
        if (!(LaunchState() == before)) {
            zent::FuzzFinding("a rejected record changed the launch state");
        }
        return 0;
    }
    if (zent::RendererType < 0 || zent::RendererType > 3) {
        zent::FuzzFinding("a record with a renderer type outside 0 to 3 was accepted");
    }
    try {
        zent::DriveKeyCode();
    } catch (const zent::FatalError&) {
        zent::FuzzFinding("an accepted record whose drive key does not convert");
    }
    return 0;
}
