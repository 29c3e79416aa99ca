// The configuration reader over arbitrary file contents, followed by the game
// lookup and a save-and-load round trip. The input is the file; after a NUL byte
// comes the name to look up. Without one, the last game's own name is looked up,
// which must be found.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "startup/config_store.h"

namespace {

const std::string kPath = "C:\\Games\\Zentavio\\zentconfig.ini";

void CheckLookup(const std::string& name, bool mustBeFound) {
    const std::string record = zent::LookupGame(name);
    if (record.empty()) {
        if (mustBeFound) {
            zent::FuzzFinding("the last game's own name was not found");
        }
        return;
    }
    // The record is every field after the name, one separator between two.
    constexpr std::size_t kRecordSeparators = zent::kGameFieldCount - 2;
    if (static_cast<std::size_t>(std::count(record.begin(), record.end(), '|')) !=
        kRecordSeparators) {
        zent::FuzzFinding("a record text whose separators are not one fewer than its fields");
    }
}

// What the writer produces must load again and be written the same way.
void CheckRoundTrip() {
    const std::string written = zent::ComposeConfigText();
    zent::LoadConfigText(written, kPath);
    if (zent::ComposeConfigText() != written) {
        zent::FuzzFinding("a saved configuration does not load back to the same file");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    try {
        zent::LoadConfigText(input.substr(0, nul), kPath);
        if (nul != std::string_view::npos) {
            CheckLookup(std::string(input.substr(nul + 1)), false);
        } else if (zent::Config.GameCount > 0) {
            CheckLookup(
                zent::Config.GameTable[static_cast<std::size_t>(zent::Config.GameCount) - 1][0],
                true);
        }
        CheckRoundTrip();
        zent::ExitKeyCodeValue();
    } catch (const zent::FatalError& error) {
        zent::CheckFatalError(error);
    }
    return 0;
}
