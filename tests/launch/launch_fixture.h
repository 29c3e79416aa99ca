#pragma once
// The fixture every launch test runs in: a fresh recording platform, launch
// state and configuration store reset, the configuration file served from
// memory, and after every test the keyboard checked: nothing left down, Alt
// never tapped alone.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "recording_platform.h"
#include "startup/file_system.h"

namespace zent::testing {

inline constexpr const char* kFolder = "C:\\Games\\Zentavio";

// Files to read, from memory; nothing may be written.
class MemoryFiles : public FileSystem {
public:
    std::map<std::string, std::string> files;

    std::string ReadAll(const std::string& path) override;
    std::unique_ptr<OutputFile> Create(const std::string& path) override;
    void Replace(const std::string& source, const std::string& target) override;
    void Remove(const std::string&) noexcept override {}
};

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts a "zentconfig.ini" in place: the four global lines and the game lines.
    void WriteConfig(const std::string& globalLines, const std::vector<std::string>& games);

    RecordingPlatform platform;
    MemoryFiles files;
};

}  // namespace zent::testing
