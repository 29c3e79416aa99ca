#include "launch_fixture.h"

#include "launch/emulator_window.h"
#include "launch/launch_state.h"
#include "startup/command_line.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"

namespace zent::testing {

std::string MemoryFiles::ReadAll(const std::string& path) {
    const auto found = files.find(path);
    if (found == files.end()) {
        Fail(kFileNotFound, path + " could not be opened.");
    }
    return found->second;
}

std::unique_ptr<OutputFile> MemoryFiles::Create(const std::string& path) {
    ADD_FAILURE() << "the launch wrote " << path;
    Fail(kPermissionDenied, path + " may not be written by the launch.");
}

void MemoryFiles::Replace(const std::string& source, const std::string& target) {
    ADD_FAILURE() << "the launch replaced " << target << " with " << source;
    Fail(kPermissionDenied, target + " may not be replaced by the launch.");
}

void LaunchTest::SetUp() {
    SetActiveFileSystem(&files);
    SetProgramFolder(kFolder);
    ExitKeyCode = 27.0;
    HighPriority = false;
    CpuSpeed = 100;
    ShowFps = true;
    GameCount = 0;
    GameTable.clear();
    GameName = "SPACE RACE";
    DriveKey = "68";
    RendererType = 0;
    CapcomHack = false;
    ZWrite = false;
    ZWriteAlpha = false;
    NtscMode = false;
    EmulatorProcess = 0;
    EmulatorWindow = 0;
    ScreenWidth = 0;
    ScreenHeight = 0;
}

void LaunchTest::TearDown() {
    EXPECT_FALSE(platform.AnyKeyDown()) << "a key was left down";
    EXPECT_FALSE(platform.AltTappedAlone()) << "Alt was pressed and released alone";
    EXPECT_EQ(platform.KeysIntoOtherPrograms(), 0) << "a key went into another program";
    SetActiveFileSystem(nullptr);
}

void LaunchTest::WriteConfig(const std::string& globalLines,
                             const std::vector<std::string>& games) {
    std::string text = globalLines + std::to_string(games.size()) + "\r\n";
    for (const std::string& game : games) {
        text += game + "\r\n";
    }
    files.files[std::string(kFolder) + "\\zentconfig.ini"] = text;
}

}  // namespace zent::testing
