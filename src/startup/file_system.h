#pragma once
// The seam between the configuration store and the disk. The Windows build uses
// file_system_win.cpp; tests hand in fakes that fail wherever they are told to.
// Every failure is thrown as a FatalError whose description names the full path.
// Paths are UTF-8; the bytes read and written are the files' own.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zent {

class InputFile {
public:
    virtual ~InputFile() = default;
    // Reads up to size bytes into buffer; returns how many, 0 at the end of the file.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void Write(std::string_view bytes) = 0;
    // Forces what was written onto the disk.
    virtual void Flush() = 0;
    virtual void Close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The whole file, read block by block from Open.
    virtual std::string ReadAll(const std::string& path);
    virtual std::unique_ptr<InputFile> Open(const std::string& path) = 0;
    // Creates the file anew (emptied when present) for writing.
    virtual std::unique_ptr<OutputFile> Create(const std::string& path) = 0;
    // Puts source in the place of target in one step; source is gone afterwards.
    virtual void Replace(const std::string& source, const std::string& target) = 0;
    virtual void Remove(const std::string& path) noexcept = 0;
    // Makes folder the current drive and directory, which a started program inherits.
    virtual void ChangeCurrentFolder(const std::string& folder) = 0;
};

// The file system and the program's folder in force (set once at start-up).
FileSystem& ActiveFileSystem();
void SetActiveFileSystem(FileSystem* files);
const std::string& ProgramFolder();
void SetProgramFolder(std::string folder);

// The program folder's path, "\" and the name; no separator check, as the file
// format prescribes (a root folder gives a doubled "\", which Windows accepts).
std::string ProgramFile(std::string_view name);

// Writes bytes to a temporary file beside path, forces them onto the disk, then
// puts that file in path's place in one step: a failure at any point (a full
// disk) leaves the old file whole and no temporary file behind. A temporary
// file left by an interrupted run is replaced.
void ReplaceFileContents(FileSystem& files, const std::string& path, std::string_view bytes);

// A copy moves this many bytes at a time, so its memory does not grow with the file.
inline constexpr std::size_t kCopyBlockSize = 64 * 1024;

// Replaces target with a copy of source the same way, block by block. After each
// block it asks stopRequested; when that says yes, the copy stops, target stays
// as it was, no temporary file is left, and the result is false.
bool ReplaceWithCopy(FileSystem& files, const std::string& source, const std::string& target,
                     const std::function<bool()>& stopRequested);

// Why a file operation failed, as the platform tells it. kFolder: a folder has
// the name where a file is wanted.
enum class FileFault { kNotFound, kReadOnly, kAccessDenied, kInUse, kDiskFull, kFolder, kOther };

// The fatal error of a failed operation on path: the path and what could not
// be done to it, the platform's text, and what the user can do about it; for
// the launcher's own files, where each must be and what it is.
[[noreturn]] void FailFile(FileFault fault, const std::string& action, const std::string& path,
                           std::string_view systemText);

// The platform's description of an error, fit to stand in brackets after the
// path: no final stop or line end, "%1" filled with the file's name, other
// inserts dropped.
std::string SystemTextForMessage(std::string_view text, const std::string& path);

}  // namespace zent
