#pragma once
// The one way the launcher fails: a FatalError raised anywhere in the core travels
// up to the handler at the entry that the message loop called, which shows the
// "Zentavio Wrapper" box and ends the process (see fatal_error_win.cpp). Only
// the Settings window's save catches its own: it shows the same box and keeps
// the window, as nothing was written and the player's edits are still there.

#include <stdexcept>
#include <string>

namespace zent {

// Every error the launcher raises: its number, one of the classic BASIC run-time
// error numbers that users and support notes know, and its short standard wording.
// A new error is one line here: the enumeration and kErrors are both made from
// this list, so no number can lack its row.
#define ZENT_FATAL_ERRORS(X)                                     \
    X(kInvalidArgument, 5, "Invalid procedure call or argument") \
    X(kOverflow, 6, "Overflow")                                  \
    X(kOutOfMemory, 7, "Out of memory")                          \
    X(kSubscriptOutOfRange, 9, "Subscript out of range")         \
    X(kTypeMismatch, 13, "Type mismatch")                        \
    X(kFileNotFound, 53, "File not found")                       \
    X(kDiskFull, 61, "Disk full")                                \
    X(kInputPastEndOfFile, 62, "Input past end of file")         \
    X(kDeviceUnavailable, 68, "Device unavailable")              \
    X(kPermissionDenied, 70, "Permission denied")                \
    X(kPathFileAccessError, 75, "Path/File access error")

enum ErrorNumber : int {
#define ZENT_ERROR_ENUMERATOR(name, number, standardText) name = number,
    ZENT_FATAL_ERRORS(ZENT_ERROR_ENUMERATOR)
#undef ZENT_ERROR_ENUMERATOR
};

struct ErrorDefinition {
    ErrorNumber number;
    const char* standardText;
};

inline constexpr ErrorDefinition kErrors[] = {
#define ZENT_ERROR_ROW(name, number, standardText) {name, standardText},
    ZENT_FATAL_ERRORS(ZENT_ERROR_ROW)
#undef ZENT_ERROR_ROW
};

// The standard wording of an error number ("File not found").
const char* StandardErrorText(ErrorNumber number);

class FatalError : public std::runtime_error {
public:
    // description says what the user must fix: the path, the line, the offending text.
    FatalError(ErrorNumber number, std::string description);

    ErrorNumber number() const { return number_; }
    const std::string& description() const { return description_; }

    // The same error with a sentence in front that names where it happened.
    FatalError WithContext(const std::string& where) const;

    // The text of the message box: number, standard wording and description.
    std::string MessageText() const;

private:
    ErrorNumber number_;
    std::string description_;
};

[[noreturn]] void Fail(ErrorNumber number, std::string description);

// Text in quotation marks for a message, with control characters made visible
// and very long texts shortened, so a broken line never floods the box.
std::string Quoted(std::string_view text);

}  // namespace zent
