#pragma once
// The fixture of the configuration store tests: fresh globals, the "." locale, and
// a MemoryFileSystem installed with the program in C:\Zent.

#include <gtest/gtest.h>

#include <string>

#include "startup/config_store.h"
#include "startup/file_system.h"
#include "startup/memory_file_system.h"
#include "startup/text_conversions.h"

namespace zent {

class ConfigTest : public ::testing::Test {
protected:
    static constexpr const char* kConfigPath = "C:\\Zent\\zentconfig.ini";

    void SetUp() override {
        ClearGlobals();
        CurrentTextLocale() = TextLocale{};
        SetActiveFileSystem(&files_);
        SetProgramFolder("C:\\Zent");
    }

    // The options and the games as a fresh process holds them.
    static void ClearGlobals() {
        ExitKeyCode = 0.0;
        HighPriority = false;
        CpuSpeed = 0;
        ShowFps = false;
        GameCount = 0;
        GameTable.clear();
    }

    void TearDown() override {
        SetActiveFileSystem(nullptr);
        SetProgramFolder("");
        CurrentTextLocale() = TextLocale{};
    }

    // Loads a config file with these bytes.
    void Load(const std::string& bytes) {
        files_.files[kConfigPath] = bytes;
        LoadConfig();
    }

    MemoryFileSystem files_;
};

}  // namespace zent
