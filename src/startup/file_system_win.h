#pragma once

#include <windows.h>

#include "startup/file_system.h"

namespace zent {

// Files through the Windows W functions: the UTF-8 paths reach the disk as they
// are, in any language.
class WindowsFileSystem : public FileSystem {
public:
    std::unique_ptr<InputFile> Open(const std::string& path) override;
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    void Replace(const std::string& source, const std::string& target) override;
    void Remove(const std::string& path) noexcept override;
    void ChangeCurrentFolder(const std::string& folder) override;
};

// A FatalError for a failed file operation on path, from the Windows error code.
[[noreturn]] void FailFileOperation(unsigned long code, const std::string& action,
                                    const std::string& path);

// The folder of the running program, without the final "\" (except "C:\").
std::string RunningProgramFolder();

// Starts the program at path, without arguments, with the given show-window
// value and process creation flags (such as CREATE_SUSPENDED); the caller closes
// both handles of the result.
PROCESS_INFORMATION StartProcess(const std::string& path, int showWindow, DWORD creationFlags);

}  // namespace zent
