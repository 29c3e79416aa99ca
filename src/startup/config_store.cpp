#include "startup/config_store.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <type_traits>

#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace zent {

Configuration Config;

namespace {

// The file's options in their order, with the Settings window's controls (the
// tab indices leave room for the window's other controls).
// clang-format off
constexpr GlobalOption kGlobalOptions[] = {
    // what the line holds, member, new file's line, name; caption, tab index, box, label
    {"the exit key", &Configuration::ExitKeyCode, "27", nullptr, {"Exit Key", 2, 840, 3000, 735, 285, 3045, 675, 195}},
    {"the high priority option (1 or 0)", &Configuration::HighPriority, "0", nullptr, {"High Priority", 12, 120, 3720, 1455, 255}},
    {"the CPU speed in percent", &Configuration::CpuSpeed, " 100 ", nullptr, {"Cpu Speed", 8, 1080, 3360, 495, 285, 3435, 795, 195}},
    {"the show fps option (1 or 0)", &Configuration::ShowFps, "0", nullptr, {"Show Fps", 11, 120, 4080, 1455, 255}},
    {"the number of games", &Configuration::GameCount, nullptr, nullptr, {}},
    {"the pad exit", &Configuration::PadExit, "Back + Start", "PadExit", {"Pad exit", 13, 840, 4440, 1815, 285, 4485, 675, 195}},
    {"the display", &Configuration::Display, "Primary", "Display", {"Display", 14, 840, 4860, 2775, 315, 4920, 675, 195}, true},
};
// clang-format on
static_assert(std::size(kGlobalOptions) == kGlobalOptionCount);

// Sequential text reading: CR LF or a lone CR ends a line; a lone LF is an
// ordinary character. Reading beyond the last line is "input past end of file".
class LineReader {
public:
    LineReader(std::string_view bytes, const std::string& path) : bytes_(bytes), path_(path) {}

    std::string Next(const char* expected) {
        if (pos_ >= bytes_.size()) {
            Fail(kInputPastEndOfFile, path_ + ": the file ends before line " +
                                          std::to_string(lineNumber_ + 1) + ", which should hold " +
                                          expected + "." + LoneLineFeedHint());
        }
        const std::size_t end = bytes_.find('\r', pos_);
        std::string line;
        if (end == std::string_view::npos) {
            line = std::string(bytes_.substr(pos_));
            pos_ = bytes_.size();
        } else {
            line = std::string(bytes_.substr(pos_, end - pos_));
            pos_ = end + 1;
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n') {
                ++pos_;
            }
        }
        ++lineNumber_;
        lastLine_ = line;
        return line;
    }

    bool AtEnd() const { return pos_ >= bytes_.size(); }

    // "C:\...\zentconfig.ini, line 5: " for messages about the line just read.
    std::string Where() const { return path_ + ", line " + std::to_string(lineNumber_) + ": "; }

private:
    // A file saved by an editor that ends lines with a line feed alone reads as
    // one long line, and the reader then runs out of lines: say so, since the
    // file looks fine in that editor.
    std::string LoneLineFeedHint() const {
        if (lastLine_.find('\n') == std::string::npos) {
            return {};
        }
        return " Line " + std::to_string(lineNumber_) + " reads " + Quoted(lastLine_) +
               ": its lines end with a line feed alone, but each line must end with CR LF.";
    }

    std::string_view bytes_;
    const std::string& path_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
    std::string lastLine_;
};

// "Primary" (or nothing) for the primary, or a display's number from 1 on,
// spaces and letter case aside; nothing for any other text.
std::optional<DisplayChoice> ParseDisplayChoice(const std::string& line) {
    const std::string text = UpperCase(TrimSpaces(line));
    if (text.empty() || text == "PRIMARY") {
        return DisplayChoice{};
    }
    if (text.size() > 4 || text[0] == '0' ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return DisplayChoice{std::stoi(text)};
}

std::string Counted(std::size_t count, const char* thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

GameRecord ReadGameLine(LineReader& reader, int gameNumber) {
    const std::string line = reader.Next("a game");
    const std::vector<std::string> fields = Split(line, '|');
    if (fields.size() < kGameFieldCount) {
        Fail(kSubscriptOutOfRange, reader.Where() + "game " + std::to_string(gameNumber) +
                                       " reads " + Quoted(line) + ", which has " +
                                       Counted(fields.size(), "field") + "; a game line needs " +
                                       std::to_string(kGameFieldCount) +
                                       " fields separated by \"|\": " + GameFieldList() + ".");
    }
    // The name, drive key and renderer are read upper-cased, the options as written.
    GameRecord record;
    for (std::size_t field = 0; field < kGameFieldCount; ++field) {
        record[field] = field < kGameZWriting ? UpperCase(fields[field]) : fields[field];
    }
    return record;
}

// Reads an option's line into its member of Config, by the member's type.
void ReadOption(const GlobalOption& option, const std::string& line, const LineReader& reader) {
    std::visit(
        [&](auto member) {
            auto* value = &(Config.*member);
            using Value = std::remove_pointer_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, ExitKeyValue>) {
                // No key has code 0: it, an empty line and a word mean the default.
                const double key = NumericValue(TrimSpaces(line));
                *value = key == 0 ? NumericValue(option.defaultText) : key;
            } else if constexpr (std::is_same_v<Value, bool>) {
                *value = NumericValue(line) != 0;
            } else if constexpr (std::is_same_v<Value, double>) {
                *value = NumericValue(line);
            } else if constexpr (std::is_same_v<Value, std::int16_t>) {
                try {
                    *value = WholeInteger(line);
                } catch (const FatalError& error) {
                    throw error.WithContext(reader.Where() +
                                            "the number of games must be a whole number from "
                                            "-32768 to 32767: ");
                }
            } else if constexpr (std::is_same_v<Value, DisplayChoice>) {
                const std::optional<DisplayChoice> display = ParseDisplayChoice(line);
                if (!display) {
                    Fail(kTypeMismatch, reader.Where() + option.what + " " + Quoted(line) +
                                            " names no display. Write Primary, or the number "
                                            "of a display, such as 2.");
                }
                *value = *display;
            } else {
                const std::optional<PadCombination> combination = ParsePadCombination(line);
                if (!combination) {
                    Fail(kTypeMismatch, reader.Where() + option.what + " " + Quoted(line) +
                                            " is no combination of buttons. Write " +
                                            PadCombinationForms() + ".");
                }
                *value = *combination;
            }
        },
        option.value);
}

// An option's line as the writer writes it, by the member's type.
std::string OptionText(const GlobalOption& option) {
    return std::visit(
        [](auto member) -> std::string {
            const auto* value = &(Config.*member);
            using Value = std::remove_cv_t<std::remove_pointer_t<decltype(value)>>;
            if constexpr (std::is_same_v<Value, ExitKeyValue>) {
                const auto* keyText = std::get_if<std::string>(value);
                return keyText != nullptr ? *keyText : FileNumber(std::get<double>(*value));
            } else if constexpr (std::is_same_v<Value, bool>) {
                return *value ? "1" : "0";
            } else if constexpr (std::is_same_v<Value, PadCombination>) {
                return PadCombinationText(*value);
            } else if constexpr (std::is_same_v<Value, DisplayChoice>) {
                return value->number == 0 ? "Primary" : std::to_string(value->number);
            } else {
                return FileNumber(*value);
            }
        },
        option.value);
}

// The format is ANSI text without a byte-order mark: an editor that
// saved the file as UTF-8 with a mark, or as UTF-16, changed what every line
// reads (the mark hides line 1's number), so such a file is refused whole.
// UTF-16 without a mark shows by a NUL in its first character, which is one of
// line 1's digits or its CR.
void RejectUnicodeFile(std::string_view bytes, const std::string& path) {
    const char* kind = nullptr;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        kind = "starts with a UTF-8 byte-order mark (the bytes EF BB BF)";
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
               bytes.substr(0, 2).find('\0') != std::string_view::npos) {
        kind = "is saved as UTF-16 (Unicode) text";
    }
    if (kind != nullptr) {
        Fail(kPathFileAccessError,
             path + " " + kind +
                 ", but the launcher reads ANSI text without a byte-order mark. Save it again "
                 "as ANSI text (in Notepad: Save As, Encoding ANSI).");
    }
}

}  // namespace

void LoadConfig() {
    const std::string path = ProgramFile(kConfigFileName);
    LoadConfigText(ActiveFileSystem().ReadAll(path), path);
}

void LoadConfigText(std::string_view bytes, const std::string& path) {
    RejectUnicodeFile(bytes, path);
    const std::string text = TextFromAnsi(bytes);
    LineReader reader(text, path);

    for (const GlobalOption& option : kGlobalOptions) {
        if (option.key == nullptr) {
            ReadOption(option, reader.Next(option.what), reader);
        }
    }
    if (Config.GameCount > 0) {
        Config.GameTable.assign(static_cast<std::size_t>(Config.GameCount), GameRecord{});
        for (int i = 0; i < Config.GameCount; ++i) {
            Config.GameTable[static_cast<std::size_t>(i)] = ReadGameLine(reader, i + 1);
        }
    }

    // The named lines after the games, where older versions never read, in any
    // order. A name is read as a player may type it by hand ("padexit = Off").
    // An option without its line keeps its default; any other line there (extra
    // games an older file kept) is passed over.
    for (const GlobalOption& option : kGlobalOptions) {
        if (option.key != nullptr) {
            ReadOption(option, option.defaultText, reader);
        }
    }
    while (!reader.AtEnd()) {
        const std::string line = reader.Next("a named line");
        const std::size_t equals = line.find('=');
        const std::string name = UpperCase(TrimSpaces(line.substr(0, equals)));
        for (const GlobalOption& option : kGlobalOptions) {
            if (equals != std::string::npos && option.key != nullptr &&
                name == UpperCase(option.key)) {
                ReadOption(option, line.substr(equals + 1), reader);
            }
        }
    }
}

std::span<const GlobalOption, kGlobalOptionCount> GlobalOptions() {
    return kGlobalOptions;
}

std::string GameFieldList(GameField first) {
    std::string list;
    for (std::size_t field = first; field < kGameFieldCount; ++field) {
        list += (list.empty() ? "" : field + 1 == kGameFieldCount ? " and " : ", ");
        list += kGameFieldNames[field];
    }
    return list;
}

std::string JoinGameRow(const GameRecord& record) {
    std::string row = record[0];
    for (std::size_t i = 1; i < record.size(); ++i) {
        row += '|';
        row += record[i];
    }
    return row;
}

std::string ComposeConfigText() {
    std::string text;
    for (const GlobalOption& option : kGlobalOptions) {
        if (option.key == nullptr) {
            text += OptionText(option) + "\r\n";
        }
    }
    if (Config.GameCount > static_cast<int>(Config.GameTable.size())) {
        Fail(kSubscriptOutOfRange,
             "internal error: the games table holds " + std::to_string(Config.GameTable.size()) +
                 " rows for " + std::to_string(Config.GameCount) + " games; nothing was saved.");
    }
    for (int i = 0; i < Config.GameCount; ++i) {
        text += JoinGameRow(Config.GameTable[static_cast<std::size_t>(i)]) + "\r\n";
    }
    for (const GlobalOption& option : kGlobalOptions) {
        if (option.key == nullptr) {
            continue;
        }
        const std::string value = OptionText(option);
        if (!option.omittedAtDefault || value != option.defaultText) {
            text += std::string(option.key) + "=" + value + "\r\n";
        }
    }
    return AnsiText(text);
}

void SaveConfig() {
    const std::string path = ProgramFile(kConfigFileName);
    const std::string bytes = ComposeConfigText();
    try {
        ReplaceFileContents(ActiveFileSystem(), path, bytes);
    } catch (const FatalError& error) {
        throw error.WithContext("The settings were not saved; " + path + " is unchanged. ");
    }
}

// The rows hold what the ANSI file can hold: a name that the code page cannot
// hold names no game, even where upper-casing would make it look like one.
const GameRecord* FindGame(const std::string& name) {
    if (Config.GameCount < 1 || !FitsAnsi(name)) {
        return nullptr;
    }
    const std::string wanted = UpperCase(name);
    for (int i = 0; i < Config.GameCount; ++i) {
        const GameRecord& row = Config.GameTable[static_cast<std::size_t>(i)];
        if (UpperCase(row[kGameName]) == wanted) {
            return &row;
        }
    }
    return nullptr;
}

std::string RecordText(const GameRecord& record) {
    return JoinGameRow(record).substr(record[kGameName].size() + 1);
}

std::string LookupGame(const std::string& name) {
    const GameRecord* row = FindGame(name);
    return row == nullptr ? std::string() : RecordText(*row);
}

std::int32_t ExitKeyCodeValue() {
    if (const auto* keyText = std::get_if<std::string>(&Config.ExitKeyCode)) {
        try {
            return WholeLong(*keyText);
        } catch (const FatalError& error) {
            throw error.WithContext("The exit key must be a key code such as 27: ");
        }
    }
    const double value = std::nearbyint(std::get<double>(Config.ExitKeyCode));
    if (value < -2147483648.0 || value > 2147483647.0) {
        Fail(kOverflow, "The exit key " + GeneralNumber(value, '.') + " is not a key code.");
    }
    return static_cast<std::int32_t>(value);
}

std::string ExitKeyCodeText() {
    if (const auto* keyText = std::get_if<std::string>(&Config.ExitKeyCode)) {
        return *keyText;
    }
    return GeneralNumber(std::get<double>(Config.ExitKeyCode), '.');
}

}  // namespace zent
