#pragma once
// The fixture of the configuration store tests: fresh globals, the "." locale, and
// a MemoryFileSystem installed with the program in C:\Zent.

#include <string>

#include "memory_file_system.h"
#include "startup/config_store.h"
#include "startup/file_system.h"
#include "test_globals.h"

namespace zent {

class ConfigTest : public testing::FreshGlobalsTest {
protected:
    static constexpr const char* kConfigPath = "C:\\Zent\\zentconfig.ini";

    void SetUp() override { FreshProcess(); }

    // The globals as a fresh process over the same files holds them.
    void FreshProcess() {
        testing::ResetGlobals();
        SetActiveFileSystem(&files_);
        SetProgramFolder("C:\\Zent");
    }

    // Loads a config file with these bytes.
    void Load(const std::string& bytes) {
        files_.files[kConfigPath] = bytes;
        LoadConfig();
    }

    testing::MemoryFileSystem files_;
};

}  // namespace zent
