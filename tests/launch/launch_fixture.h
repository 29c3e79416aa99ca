#pragma once
// The fixture every launch test runs in: a fresh recording platform, launch
// state and configuration store reset, the configuration file served from
// memory, and after every test the keyboard checked: nothing left down, Alt
// never tapped alone.

#include <string>
#include <vector>

#include "config_file.h"
#include "memory_file_system.h"
#include "recording_platform.h"
#include "test_globals.h"

namespace zent::testing {

inline constexpr const char* kFolder = "C:\\Games\\Zentavio";

class LaunchTest : public FreshGlobalsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts a "zentconfig.ini" in place.
    void WriteConfig(const ConfigFile& file);

    RecordingPlatform platform;
    // Files to read; the launch may write none of them.
    MemoryFileSystem files;
};

}  // namespace zent::testing
