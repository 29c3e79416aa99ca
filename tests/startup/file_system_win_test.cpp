// The configuration store on a real Windows disk: the replace-in-one-step save
// and the errors that name the file, as the Windows file system delivers them.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "startup/capture_fatal.h"
#include "startup/config_store.h"
#include "startup/file_system.h"
#include "startup/file_system_win.h"
#include "startup/text_conversions.h"

namespace zent {
namespace {

class WindowsConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        folder_ = std::string(temp) + "zent_store_test_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        configPath_ = folder_ + "\\zentconfig.ini";
        CurrentTextLocale() = TextLocale{};
        SetActiveFileSystem(&files_);
        SetProgramFolder(folder_);
        ExitKeyCode = std::string("27");
        HighPriority = true;
        CpuSpeed = 100;
        ShowFps = false;
        GameCount = 1;
        GameTable = {GameRecord{"SPACE RACE", "68", "1", "True", "False", "False"}};
    }

    void TearDown() override {
        for (const std::string& name : FolderContents()) {
            const std::string path = folder_ + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        RemoveDirectoryA(folder_.c_str());
        SetActiveFileSystem(nullptr);
        SetProgramFolder("");
        GameCount = 0;
        GameTable.clear();
    }

    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return names;
        }
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    void WriteConfig(const std::string& bytes) {
        const HANDLE file = CreateFileA(configPath_.c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    std::string ReadConfig() { return files_.ReadAll(configPath_); }

    static constexpr const char* kOldBytes = "112\r\n0\r\n 50 \r\n1\r\n 0 \r\n";
    static constexpr const char* kSavedBytes =
        "27\r\n1\r\n 100 \r\n0\r\n 1 \r\nSPACE RACE|68|1|True|False|False\r\n";

    // After a failed save: the error names the file, the old bytes are there and
    // nothing else is left in the folder.
    void ExpectFailedSaveKeptTheOldFile(std::vector<int> expectedErrors) {
        const auto error = CaptureFatal([] { SaveConfig(); });
        ASSERT_TRUE(error);
        EXPECT_NE(std::find(expectedErrors.begin(), expectedErrors.end(), error->number()),
                  expectedErrors.end())
            << error->number() << ": " << error->description();
        EXPECT_NE(error->description().find(configPath_ + " "), std::string::npos)
            << error->description();
        EXPECT_EQ(FolderContents(), std::vector<std::string>{"zentconfig.ini"});
    }

    WindowsFileSystem files_;
    std::string folder_;
    std::string configPath_;
};

TEST_F(WindowsConfigFileTest, SaveReplacesALongerFileAndLeavesNoTemporaryFile) {
    WriteConfig(std::string(10000, 'x'));
    SaveConfig();
    EXPECT_EQ(ReadConfig(), kSavedBytes);
    EXPECT_EQ(FolderContents(), std::vector<std::string>{"zentconfig.ini"});
}

TEST_F(WindowsConfigFileTest, TheFirstSaveCreatesTheFileAndALoadReadsItBack) {
    SaveConfig();
    GameTable.clear();
    GameCount = 0;
    LoadConfig();
    EXPECT_EQ(GameCount, 1);
    EXPECT_EQ(LookupGame("Space Race"), "68|1|True|False|False");
}

TEST_F(WindowsConfigFileTest, ARootLikeFolderWithATrailingBackslashStillWorks) {
    WriteConfig(kOldBytes);
    SetProgramFolder(folder_ + "\\");
    LoadConfig();
    EXPECT_EQ(ExitKeyCodeValue(), 112);
}

TEST_F(WindowsConfigFileTest, AMissingFileIsFileNotFoundAndNamed) {
    const auto error = CaptureFatal([] { LoadConfig(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), kFileNotFound);
    EXPECT_NE(error->description().find(configPath_), std::string::npos) << error->description();
}

TEST_F(WindowsConfigFileTest, AReadOnlyFileIsKeptAndTheErrorSaysSo) {
    WriteConfig(kOldBytes);
    ASSERT_TRUE(SetFileAttributesA(configPath_.c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectFailedSaveKeptTheOldFile({kPermissionDenied});
    EXPECT_EQ(ReadConfig(), kOldBytes);
}

TEST_F(WindowsConfigFileTest, AFileHeldOpenByAnotherProgramIsKept) {
    WriteConfig(kOldBytes);
    const HANDLE holder = CreateFileA(configPath_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    // Windows reports a file in use as a sharing violation or as access denied,
    // depending on the version.
    ExpectFailedSaveKeptTheOldFile({kPathFileAccessError, kPermissionDenied});
    CloseHandle(holder);
    EXPECT_EQ(ReadConfig(), kOldBytes);
}

}  // namespace
}  // namespace zent
