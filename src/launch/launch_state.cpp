#include "launch/launch_state.h"

#include <vector>

#include "startup/command_line.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace zent {

std::string DriveKey;
std::int16_t RendererType = 0;
bool CapcomHack = false;
bool ZWrite = false;
bool ZWriteAlpha = false;
bool NtscMode = false;
ProcessId EmulatorProcess = 0;
std::uint64_t EmulatorEndCheckDue = 0;

namespace {

// A record is a game's fields after its name.
constexpr std::size_t kRecordFields = kGameFieldCount - 1;

const std::string& FieldOf(const std::vector<std::string>& fields, GameField field) {
    return fields[field - 1];
}

[[noreturn]] void FailGame(ErrorNumber number, const std::string& problem) {
    Fail(number, "Game " + Quoted(GameName) + " in " + ProgramFile(kConfigFileName) + ": " +
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

void UnpackRecord(const std::string& record) {
    const std::vector<std::string> fields = Split(record, '|');
    if (fields.size() < kRecordFields) {
        FailGame(kSubscriptOutOfRange, "the record " + Quoted(record) + " has " +
                                           std::to_string(fields.size()) + " fields instead of " +
                                           std::to_string(kRecordFields) + ": " +
                                           GameFieldList(kGameDriveKey) + ".");
    }
    const std::string& driveKey = FieldOf(fields, kGameDriveKey);
    DriveKeyCodeOf(driveKey);
    const std::int16_t rendererType = RendererTypeOf(FieldOf(fields, kGameRendererType));
    const auto flag = [&](GameField field) {
        return FlagOf(FieldOf(fields, field), kGameFieldNames[field]);
    };
    const bool zWrite = flag(kGameZWriting);
    const bool zWriteAlpha = flag(kGameAlphaZWriting);
    const bool ntscMode = flag(kGameNtscMode);

    DriveKey = driveKey;
    RendererType = rendererType;
    ZWrite = zWrite;
    ZWriteAlpha = zWriteAlpha;
    NtscMode = ntscMode;
}

KeyCode DriveKeyCode() {
    return DriveKeyCodeOf(DriveKey);
}

}  // namespace zent
