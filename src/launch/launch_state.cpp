#include "launch/launch_state.h"

#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace zent {

LaunchState Launch;

namespace {

[[noreturn]] void FailGame(ErrorNumber number, const std::string& problem) {
    Fail(number, "Game " + Quoted(Launch.GameName) + " in " + ProgramFile(kConfigFileName) + ": " +
                     problem + " Correct the game in the Settings window.");
}

// Runs a strict conversion; its failure becomes the game's error, keeping its number.
template <typename Convert>
auto ConvertField(Convert&& convert, const std::string& text, const std::string& problem) {
    try {
        return convert(text);
    } catch (const FatalError& error) {
        FailGame(error.number(), problem);
    }
}

KeyCode DriveKeyCodeOf(const std::string& text) {
    return ConvertField(WholeByte, text,
                        "the drive key " + Quoted(text) + " must be a key code from 0 to 255.");
}

std::int16_t RendererTypeOf(const std::string& text) {
    const std::string problem = "the renderer type " + Quoted(text) + " must be 0, 1, 2 or 3.";
    const std::int16_t type = ConvertField(WholeInteger, text, problem);
    // No emulator build exists for another value, and the keys that follow would
    // go to whatever window has the focus: such a record starts nothing.
    if (type < 0 || type > 3) {
        FailGame(kInvalidArgument, problem);
    }
    return type;
}

bool FlagOf(const std::string& text, const char* option) {
    return ConvertField(
        WholeBoolean, text,
        std::string("the ") + option + " option " + Quoted(text) + " must be True or False.");
}

}  // namespace

void UnpackRecord(const GameRecord& record) {
    const std::string& driveKey = record[kGameDriveKey];
    DriveKeyCodeOf(driveKey);
    const std::int16_t rendererType = RendererTypeOf(record[kGameRendererType]);
    const auto flag = [&](GameField field) {
        return FlagOf(record[field], kGameFieldNames[field]);
    };
    const bool zWrite = flag(kGameZWriting);
    const bool zWriteAlpha = flag(kGameAlphaZWriting);
    const bool ntscMode = flag(kGameNtscMode);

    Launch.DriveKey = driveKey;
    Launch.RendererType = rendererType;
    Launch.ZWrite = zWrite;
    Launch.ZWriteAlpha = zWriteAlpha;
    Launch.NtscMode = ntscMode;
}

KeyCode DriveKeyCode() {
    return DriveKeyCodeOf(Launch.DriveKey);
}

}  // namespace zent
