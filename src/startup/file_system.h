#pragma once
// The seam between the configuration store and the disk. The Windows build uses
// file_system_win.cpp; tests hand in fakes that fail wherever they are told to.
// Every failure is thrown as a FatalError whose description names the full path.

#include <memory>
#include <string>
#include <string_view>

namespace zent {

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
    virtual std::string ReadAll(const std::string& path) = 0;
    // Creates the file anew (emptied when present) for writing.
    virtual std::unique_ptr<OutputFile> Create(const std::string& path) = 0;
    // Puts source in the place of target in one step; source is gone afterwards.
    virtual void Replace(const std::string& source, const std::string& target) = 0;
    virtual void Remove(const std::string& path) noexcept = 0;
};

// The file system and the program's folder in force (set once at start-up).
FileSystem& ActiveFileSystem();
void SetActiveFileSystem(FileSystem* files);
const std::string& ProgramFolder();
void SetProgramFolder(std::string folder);

// The program folder's path, "\" and the name; no separator check, as the file
// format prescribes (a root folder gives a doubled "\", which Windows accepts).
std::string ProgramFile(std::string_view name);

}  // namespace zent
