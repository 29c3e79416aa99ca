#pragma once

#include "startup/file_system.h"

namespace zent {

// Files through the Windows API, in the system's ANSI code page.
class WindowsFileSystem : public FileSystem {
public:
    std::string ReadAll(const std::string& path) override;
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    void Replace(const std::string& source, const std::string& target) override;
    void Remove(const std::string& path) noexcept override;
};

// A FatalError for a failed file operation on path, from the Windows error code.
[[noreturn]] void FailFileOperation(unsigned long code, const std::string& action,
                                    const std::string& path);

// The folder of the running program, without the final "\" (except "C:\").
std::string RunningProgramFolder();

}  // namespace zent
