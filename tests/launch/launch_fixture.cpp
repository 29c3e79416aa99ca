#include "launch_fixture.h"

#include <algorithm>
#include <stdexcept>

#include "launch/launch_state.h"
#include "startup/config_store.h"
#include "startup/trace.h"

namespace zent::testing {

void LaunchTest::SetUp() {
    ResetGlobals();
    SetTraceSink(&platform);
    files.files[std::string(kFolder) + "\\tempavio.cfg"] = kSavedConfig;
    SetActiveFileSystem(&files);
    SetProgramFolder(kFolder);
    Config.ExitKeyCode = 27.0;
    Config.CpuSpeed = 100;
    Config.ShowFps = true;
    Launch.GameName = "SPACE RACE";
    Launch.DriveKey = "68";
}

void LaunchTest::TearDown() {
    EXPECT_FALSE(platform.AnyKeyDown()) << "a key was left down";
    EXPECT_FALSE(platform.AltTappedAlone()) << "Alt was pressed and released alone";
    EXPECT_EQ(platform.KeysIntoOtherPrograms(), 0) << "a key went into another program";
    SetTraceSink(nullptr);
    ResetGlobals();
}

void LaunchTest::WriteConfig(const ConfigFile& file) {
    files.files[std::string(kFolder) + "\\zentconfig.ini"] = ConfigText(file);
}

std::vector<KeyEvent> KeysOfSteps(const std::set<std::string>& names) {
    RecordingPlatform keyboard;
    for (const AutomationStep& step : kAutomationSteps) {
        if (step.keys != nullptr && names.contains(step.name)) {
            step.keys(keyboard);
        }
    }
    return keyboard.keyEvents;
}

std::set<std::string> StepsThatRun() {
    std::set<std::string> names;
    for (const AutomationStep& step : kAutomationSteps) {
        if (step.runs()) {
            names.insert(step.name);
        }
    }
    return names;
}

const AutomationStep& StepNamed(const std::string& name) {
    const auto found = std::find_if(kAutomationSteps.begin(), kAutomationSteps.end(),
                                    [&](const AutomationStep& step) { return step.name == name; });
    if (found == kAutomationSteps.end()) {
        throw std::invalid_argument("no step " + name);
    }
    return *found;
}

}  // namespace zent::testing
