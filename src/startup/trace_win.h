#pragma once

#include <windows.h>

#include "startup/trace.h"

namespace zent {

// The trace file, opened for appending only when it already exists; several
// launchers may append to it at once.
class FileTraceSink final : public TraceSink {
public:
    explicit FileTraceSink(const std::string& path);
    FileTraceSink(const FileTraceSink&) = delete;
    FileTraceSink& operator=(const FileTraceSink&) = delete;
    ~FileTraceSink() override;

    bool enabled() const { return file_ != INVALID_HANDLE_VALUE; }
    void Append(const std::string& event) noexcept override;

private:
    HANDLE file_;
};

}  // namespace zent
