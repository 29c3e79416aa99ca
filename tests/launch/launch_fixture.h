#pragma once
// The fixture every launch test runs in: a fresh recording platform, which
// also receives the trace, launch state and configuration store reset, the
// files served from memory, and after every test the keyboard checked: nothing
// left down, Alt never tapped alone.

#include <set>
#include <string>
#include <vector>

#include "config_file.h"
#include "launch/automation_steps.h"
#include "memory_file_system.h"
#include "recording_platform.h"
#include "test_globals.h"

namespace zent::testing {

inline constexpr const char* kFolder = "C:\\Games\\Zentavio";
inline constexpr const char* kSavedConfig = "saved emulator configuration";

// The key events of the named steps, each typed in the table's order on a
// keyboard of their own: what a launch running those steps must inject.
std::vector<KeyEvent> KeysOfSteps(const std::set<std::string>& names);
// The steps whose condition holds in the launch state and options as they are.
std::set<std::string> StepsThatRun();
const AutomationStep& StepNamed(const std::string& name);

class LaunchTest : public FreshGlobalsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts a "zentconfig.ini" in place.
    void WriteConfig(const ConfigFile& file);

    RecordingPlatform platform;
    // The configuration and the saved emulator configuration ("tempavio.cfg").
    MemoryFileSystem files;
};

}  // namespace zent::testing
