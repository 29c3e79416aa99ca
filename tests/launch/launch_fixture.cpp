#include "launch_fixture.h"

#include "launch/launch_state.h"
#include "startup/command_line.h"
#include "startup/config_store.h"

namespace zent::testing {

void LaunchTest::SetUp() {
    ResetGlobals();
    files.readOnly = true;
    SetActiveFileSystem(&files);
    SetProgramFolder(kFolder);
    ExitKeyCode = 27.0;
    CpuSpeed = 100;
    ShowFps = true;
    GameName = "SPACE RACE";
    DriveKey = "68";
}

void LaunchTest::TearDown() {
    EXPECT_FALSE(platform.AnyKeyDown()) << "a key was left down";
    EXPECT_FALSE(platform.AltTappedAlone()) << "Alt was pressed and released alone";
    EXPECT_EQ(platform.KeysIntoOtherPrograms(), 0) << "a key went into another program";
    ResetGlobals();
}

void LaunchTest::WriteConfig(const ConfigFile& file) {
    files.files[std::string(kFolder) + "\\zentconfig.ini"] = ConfigText(file);
}

}  // namespace zent::testing
