// A game's fields unpacked into the launch state, as the launch does with the
// record the lookup found. The input is the record's text, its fields after the
// name separated by "|" as in the file; after a NUL byte comes the game's name,
// which the error messages quote.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "launch/launch_state.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace {

struct Unpacked {
    std::string driveKey = zent::Launch.DriveKey;
    std::int16_t rendererType = zent::Launch.RendererType;
    bool zWrite = zent::Launch.ZWrite;
    bool zWriteAlpha = zent::Launch.ZWriteAlpha;
    bool ntscMode = zent::Launch.NtscMode;

    bool operator==(const Unpacked&) const = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    zent::SetProgramFolder("C:\\Games\\Zentavio");
    zent::Launch.GameName = nul == std::string_view::npos ? "SPACE RACE" : input.substr(nul + 1);
    // The reader refuses a game line without all its fields, so no record lacks one.
    const std::vector<std::string> fields = zent::Split(input.substr(0, nul), '|');
    if (fields.size() + 1 < zent::kGameFieldCount) {
        return 0;
    }
    zent::GameRecord record;
    record[zent::kGameName] = zent::Launch.GameName;
    for (std::size_t field = zent::kGameDriveKey; field < zent::kGameFieldCount; ++field) {
        record[field] = fields[field - 1];
    }
    const Unpacked before;
    try {
        zent::UnpackRecord(record);
    } catch (const zent::FatalError& error) {
        zent::CheckFatalError(error);
        if (!(Unpacked() == before)) {
            zent::FuzzFinding("a rejected record changed the launch state");
        }
        return 0;
    }
    if (zent::Launch.RendererType < 0 || zent::Launch.RendererType > 3) {
        zent::FuzzFinding("a record with a renderer type outside 0 to 3 was accepted");
    }
    try {
        zent::DriveKeyCode();
    } catch (const zent::FatalError&) {
        zent::FuzzFinding("an accepted record whose drive key does not convert");
    }
    return 0;
}
