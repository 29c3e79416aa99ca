#include "startup/config_store.h"

#include <cmath>

#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/text_conversions.h"

namespace zent {

ExitKeyValue ExitKeyCode = 0.0;
bool HighPriority = false;
double CpuSpeed = 0;
bool ShowFps = false;
std::int16_t GameCount = 0;
std::vector<GameRecord> GameTable;

namespace {

constexpr int kEscapeKey = 27;

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

bool FlagValue(const std::string& line) {
    return NumericValue(line) != 0;
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

    ExitKeyCode = NumericValue(TrimSpaces(reader.Next("the exit key")));
    if (std::get<double>(ExitKeyCode) == 0) {
        ExitKeyCode = static_cast<double>(kEscapeKey);
    }
    HighPriority = FlagValue(reader.Next("the high priority option (1 or 0)"));
    CpuSpeed = NumericValue(reader.Next("the CPU speed in percent"));
    ShowFps = FlagValue(reader.Next("the show fps option (1 or 0)"));

    const std::string countLine = reader.Next("the number of games");
    try {
        GameCount = WholeInteger(countLine);
    } catch (const FatalError& error) {
        throw error.WithContext(reader.Where() +
                                "the number of games must be a whole number from "
                                "-32768 to 32767: ");
    }

    if (GameCount > 0) {
        GameTable.assign(static_cast<std::size_t>(GameCount), GameRecord{});
        for (int i = 0; i < GameCount; ++i) {
            GameTable[static_cast<std::size_t>(i)] = ReadGameLine(reader, i + 1);
        }
    }
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
    if (const auto* keyText = std::get_if<std::string>(&ExitKeyCode)) {
        text += *keyText;
    } else {
        text += FileNumber(std::get<double>(ExitKeyCode));
    }
    text += "\r\n";
    text += HighPriority ? "1\r\n" : "0\r\n";
    text += FileNumber(CpuSpeed) + "\r\n";
    text += ShowFps ? "1\r\n" : "0\r\n";
    text += FileNumber(GameCount) + "\r\n";
    if (GameCount > static_cast<int>(GameTable.size())) {
        Fail(kSubscriptOutOfRange, "internal error: the games table holds " +
                                       std::to_string(GameTable.size()) + " rows for " +
                                       std::to_string(GameCount) + " games; nothing was saved.");
    }
    for (int i = 0; i < GameCount; ++i) {
        text += JoinGameRow(GameTable[static_cast<std::size_t>(i)]) + "\r\n";
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
std::string LookupGame(const std::string& name) {
    if (GameCount < 1 || !FitsAnsi(name)) {
        return {};
    }
    const std::string wanted = UpperCase(name);
    for (int i = 0; i < GameCount; ++i) {
        const GameRecord& row = GameTable[static_cast<std::size_t>(i)];
        if (UpperCase(row[kGameName]) == wanted) {
            const std::string joined = JoinGameRow(row);
            return joined.substr(row[kGameName].size() + 1);
        }
    }
    return {};
}

std::int32_t ExitKeyCodeValue() {
    if (const auto* keyText = std::get_if<std::string>(&ExitKeyCode)) {
        try {
            return WholeLong(*keyText);
        } catch (const FatalError& error) {
            throw error.WithContext("The exit key must be a key code such as 27: ");
        }
    }
    const double value = std::nearbyint(std::get<double>(ExitKeyCode));
    if (value < -2147483648.0 || value > 2147483647.0) {
        Fail(kOverflow, "The exit key " + GeneralNumber(value, '.') + " is not a key code.");
    }
    return static_cast<std::int32_t>(value);
}

std::string ExitKeyCodeText() {
    if (const auto* keyText = std::get_if<std::string>(&ExitKeyCode)) {
        return *keyText;
    }
    return GeneralNumber(std::get<double>(ExitKeyCode), '.');
}

}  // namespace zent
