#pragma once
// The one way the launcher fails: a FatalError raised anywhere in the core travels
// up to the handler at the entry that the message loop called, which shows the
// "Zentavio Wrapper" box and ends the process (see fatal_error_win.cpp). Only
// the Settings window's save catches its own: it shows the same box and keeps
// the window, as nothing was written and the player's edits are still there.

#include <stdexcept>
#include <string>

namespace zent {

// The classic BASIC run-time error numbers, which users and support notes know.
enum ErrorNumber : int {
    kInvalidArgument = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kDiskFull = 61,
    kInputPastEndOfFile = 62,
    kDeviceUnavailable = 68,
    kPermissionDenied = 70,
    kPathFileAccessError = 75,
};

struct ErrorDefinition {
    ErrorNumber number;
    const char* standardText;
};

// Every error the launcher raises, with its short standard wording: a new error
// is one row here.
inline constexpr ErrorDefinition kErrors[] = {
    {kInvalidArgument, "Invalid procedure call or argument"},
    {kOverflow, "Overflow"},
    {kOutOfMemory, "Out of memory"},
    {kSubscriptOutOfRange, "Subscript out of range"},
    {kTypeMismatch, "Type mismatch"},
    {kFileNotFound, "File not found"},
    {kDiskFull, "Disk full"},
    {kInputPastEndOfFile, "Input past end of file"},
    {kDeviceUnavailable, "Device unavailable"},
    {kPermissionDenied, "Permission denied"},
    {kPathFileAccessError, "Path/File access error"},
};

// The standard wording of an error number ("File not found"); nothing for a
// number that is not in kErrors.
const char* StandardErrorText(int number);

class FatalError : public std::runtime_error {
public:
    // description says what the user must fix: the path, the line, the offending text.
    FatalError(int number, std::string description);

    int number() const { return number_; }
    const std::string& description() const { return description_; }

    // The same error with a sentence in front that names where it happened.
    FatalError WithContext(const std::string& where) const;

    // The text of the message box: number, standard wording and description.
    std::string MessageText() const;

private:
    int number_;
    std::string description_;
};

[[noreturn]] void Fail(int number, std::string description);

// Text in quotation marks for a message, with control characters made visible
// and very long texts shortened, so a broken line never floods the box.
std::string Quoted(std::string_view text);

}  // namespace zent
