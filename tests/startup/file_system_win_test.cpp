// The configuration store on a real Windows disk: the replace-in-one-step save
// and the errors that name the file, as the Windows file system delivers them.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config_file.h"
#include "startup/capture_fatal.h"
#include "startup/config_store.h"
#include "startup/file_system.h"
#include "startup/file_system_win.h"
#include "startup/text_conversions.h"
#include "startup/text_locale_win.h"
#include "test_globals.h"

namespace zent {
namespace {

class WindowsConfigFileTest : public testing::FreshGlobalsTest {
protected:
    // A folder named in two scripts that no ANSI code page holds together, so
    // that every path goes through the Unicode API or fails.
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        folder_ = Utf8(temp) + "zent_store_test_" + std::to_string(GetCurrentProcessId()) +
                  "_\u30B2\u30FC\u30E0_\u0418\u0433\u0440\u044B";
        ASSERT_TRUE(CreateDirectoryW(Wide(folder_).c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        configPath_ = folder_ + "\\zentconfig.ini";
        testing::ResetGlobals();
        SetActiveFileSystem(&files_);
        SetProgramFolder(folder_);
        Config.ExitKeyCode = std::string("27");
        Config.HighPriority = true;
        Config.CpuSpeed = 100;
        Config.ShowFps = false;
        Config.GameCount = 1;
        Config.GameTable = {testing::GameRecordOf(testing::kSpaceRaceGame)};
    }

    void TearDown() override {
        for (const std::string& name : FolderContents()) {
            const std::wstring path = Wide(folder_ + "\\" + name);
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileW(path.c_str())) {
                RemoveDirectoryW(path.c_str());
            }
        }
        RemoveDirectoryW(Wide(folder_).c_str());
        testing::ResetGlobals();
    }

    std::vector<std::string> FolderContents() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW(Wide(folder_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return names;
        }
        do {
            const std::string name = Utf8(found.cFileName);
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    void WriteFile(const std::string& name, const std::string& bytes) {
        const HANDLE file = CreateFileW(Wide(folder_ + "\\" + name).c_str(), GENERIC_WRITE, 0,
                                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    void WriteConfig(const std::string& bytes) { WriteFile("zentconfig.ini", bytes); }

    // A folder where the launcher wants a file, with the given attributes.
    void MakeFolder(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_DIRECTORY) {
        const std::wstring path = Wide(folder_ + "\\" + name);
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        SetFileAttributesW(path.c_str(), attributes);
    }

    bool IsFolder(const std::string& name) const {
        const DWORD attributes = GetFileAttributesW(Wide(folder_ + "\\" + name).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    std::string ReadConfig() { return files_.ReadAll(configPath_); }

    static inline const std::string kOldBytes =
        testing::ConfigText({.lines = {{kExitKeyOption, "112"}, {kShowFpsOption, "1"}}});
    static inline const std::string kSavedBytes = testing::ConfigText(
        {.lines = {{kHighPriorityOption, "1"}}, .games = {testing::kSpaceRaceGame}});

    // After a failed save: the error names the file and tells the cure of this
    // fault, not of the other one; the old bytes are there and nothing else is
    // left in the folder.
    void ExpectFailedSaveKeptTheOldFile(std::vector<int> expectedErrors, const char* advice,
                                        const char* otherAdvice) {
        const auto error = CaptureFatal([] { SaveConfig(); });
        ASSERT_TRUE(error);
        EXPECT_NE(std::find(expectedErrors.begin(), expectedErrors.end(), error->number()),
                  expectedErrors.end())
            << error->number() << ": " << error->description();
        EXPECT_NE(error->description().find(configPath_ + " "), std::string::npos)
            << error->description();
        EXPECT_NE(error->description().find(advice), std::string::npos) << error->description();
        EXPECT_EQ(error->description().find(otherAdvice), std::string::npos)
            << error->description();
        EXPECT_EQ(FolderContents(), std::vector<std::string>{"zentconfig.ini"});
        EXPECT_EQ(ReadConfig(), kOldBytes);
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
    Config.GameTable.clear();
    Config.GameCount = 0;
    LoadConfig();
    EXPECT_EQ(Config.GameCount, 1);
    EXPECT_EQ(LookupGame("Space Race"), testing::GameRecordText(testing::kSpaceRaceGame));
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

// A save or a copy cut short (a power cut) may leave its temporary file
// behind, plain, read-only or hidden; the next save or copy replaces it.
TEST_F(WindowsConfigFileTest, ALeftoverTemporaryFileNeverBlocksASaveOrACopy) {
    const std::string savedEmulatorConfig(kCopyBlockSize * 2 + 7, 'c');
    for (const DWORD attributes :
         {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN}) {
        SCOPED_TRACE("attributes " + std::to_string(attributes));
        WriteConfig(kOldBytes);
        WriteFile("tempavio.cfg", savedEmulatorConfig);
        WriteFile("zentavio.cfg", "old");
        for (const char* leftover : {"zentconfig.ini.tmp", "zentavio.cfg.tmp"}) {
            WriteFile(leftover, "left over");
            ASSERT_TRUE(SetFileAttributesW(Wide(folder_ + "\\" + leftover).c_str(), attributes));
        }
        SaveConfig();
        EXPECT_TRUE(ReplaceWithCopy(files_, ProgramFile("tempavio.cfg"),
                                    ProgramFile("zentavio.cfg"), [] { return false; }));
        EXPECT_EQ(ReadConfig(), kSavedBytes);
        EXPECT_EQ(files_.ReadAll(ProgramFile("zentavio.cfg")), savedEmulatorConfig);
        std::vector<std::string> names = FolderContents();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names,
                  (std::vector<std::string>{"tempavio.cfg", "zentavio.cfg", "zentconfig.ini"}));
    }
}

TEST_F(WindowsConfigFileTest, AReadOnlyFileIsKeptAndTheErrorSaysSo) {
    WriteConfig(kOldBytes);
    ASSERT_TRUE(SetFileAttributesW(Wide(configPath_).c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectFailedSaveKeptTheOldFile({kPermissionDenied}, "read-only", "other program");
}

TEST_F(WindowsConfigFileTest, AFileHeldOpenByAnotherProgramIsKeptAndSavedOnceItIsFree) {
    WriteConfig(kOldBytes);
    const HANDLE holder = CreateFileW(Wide(configPath_).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    // Windows reports a file in use as a sharing violation or as access denied,
    // depending on the version.
    ExpectFailedSaveKeptTheOldFile({kPathFileAccessError, kPermissionDenied}, "other program",
                                   "read-only");
    CloseHandle(holder);
    SaveConfig();
    EXPECT_EQ(ReadConfig(), kSavedBytes);
}

// What the user reads when a file of the launcher is missing, protected or
// broken: the file's path, what it is and where it must be, in whole sentences.
class FileMessageTest;

struct FileMessageCase {
    const char* name;
    void (*prepare)(FileMessageTest& test);
    void (*run)();
    std::vector<int> numbers;
    std::vector<std::string> mentions;
    std::vector<std::string> absent;
};

void PrintTo(const FileMessageCase& message, std::ostream* out) {
    *out << message.name;
}

class FileMessageTest : public WindowsConfigFileTest,
                        public ::testing::WithParamInterface<FileMessageCase> {
public:
    using WindowsConfigFileTest::MakeFolder;
    using WindowsConfigFileTest::WriteFile;
    static void CopySavedConfig() {
        ReplaceWithCopy(ActiveFileSystem(), ProgramFile("tempavio.cfg"),
                        ProgramFile("zentavio.cfg"), [] { return false; });
    }
    static void StartEmulator() {
        const PROCESS_INFORMATION started =
            StartProcess(ProgramFile("zentavio.exe"), SW_SHOWNORMAL, 0);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    HANDLE holder_ = INVALID_HANDLE_VALUE;

protected:
    void TearDown() override {
        if (holder_ != INVALID_HANDLE_VALUE) {
            CloseHandle(holder_);
        }
        WindowsConfigFileTest::TearDown();
    }
};

TEST_P(FileMessageTest, SaysWhatTheFileIsAndWhatToDo) {
    GetParam().prepare(*this);
    const auto error = CaptureFatal(GetParam().run);
    ASSERT_TRUE(error);
    const std::string& text = error->description();
    EXPECT_NE(std::find(GetParam().numbers.begin(), GetParam().numbers.end(), error->number()),
              GetParam().numbers.end())
        << error->number() << ": " << text;
    EXPECT_NE(text.find(folder_ + "\\"), std::string::npos) << text;
    for (const std::string& mention : GetParam().mentions) {
        EXPECT_NE(text.find(mention), std::string::npos)
            << "missing " << mention << " in: " << text;
    }
    for (const std::string& wrong :
         {std::string("%1"), std::string(".)."), std::string("start the launcher from")}) {
        EXPECT_EQ(text.find(wrong), std::string::npos) << wrong << " in: " << text;
    }
    for (const std::string& wrong : GetParam().absent) {
        EXPECT_EQ(text.find(wrong), std::string::npos) << wrong << " in: " << text;
    }
    for (const std::string& name : FolderContents()) {
        if (!IsFolder(name)) {
            EXPECT_EQ(name.find(".tmp"), std::string::npos) << name << " was left behind";
        }
    }
}

void SavedAndOldEmulatorConfig(FileMessageTest& test) {
    test.WriteFile("tempavio.cfg", "[video]\r\nrenderer=saved\r\n");
    test.WriteFile("zentavio.cfg", "old");
}

// Windows denies access to a folder opened, created or replaced as a file, as
// it does to a read-only file or a protected folder; neither cure fits.
const std::vector<std::string> kNotAFolderAdvice = {"read-only", "denied access", "other program"};

INSTANTIATE_TEST_SUITE_P(
    Files, FileMessageTest,
    ::testing::Values(
        FileMessageCase{"MissingConfiguration",
                        [](FileMessageTest&) {},
                        [] { LoadConfig(); },
                        {kFileNotFound},
                        {"zentconfig.ini could not be opened (", "beside ZentavioWrapper.exe",
                         "emulator's folder", "games and options"},
                        {}},
        FileMessageCase{
            "MissingSavedEmulatorConfig",
            [](FileMessageTest&) {},
            &FileMessageTest::CopySavedConfig,
            {kFileNotFound},
            {"tempavio.cfg could not be opened (", "beside ZentavioWrapper.exe",
             "saved emulator configuration", "then copy its zentavio.cfg to tempavio.cfg"},
            {}},
        FileMessageCase{"ReadOnlyEmulatorConfig",
                        [](FileMessageTest& test) {
                            SavedAndOldEmulatorConfig(test);
                            SetFileAttributesW(Wide(ProgramFile("zentavio.cfg")).c_str(),
                                               FILE_ATTRIBUTE_READONLY);
                        },
                        &FileMessageTest::CopySavedConfig,
                        {kPermissionDenied},
                        {"zentavio.cfg was not replaced", "is unchanged", "read-only"},
                        {"other program"}},
        FileMessageCase{"EmulatorConfigHeldOpen",
                        [](FileMessageTest& test) {
                            SavedAndOldEmulatorConfig(test);
                            test.holder_ =
                                CreateFileW(Wide(ProgramFile("zentavio.cfg")).c_str(), GENERIC_READ,
                                            FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
                        },
                        &FileMessageTest::CopySavedConfig,
                        {kPathFileAccessError, kPermissionDenied},
                        {"zentavio.cfg was not replaced", "other program"},
                        {"read-only"}},
        FileMessageCase{"ConfigurationIsAFolder",
                        [](FileMessageTest& test) { test.MakeFolder("zentconfig.ini"); },
                        [] { LoadConfig(); },
                        {kPathFileAccessError},
                        {"zentconfig.ini could not be opened (", "It is a folder"},
                        kNotAFolderAdvice},
        FileMessageCase{"ConfigurationIsAFolderAtASave",
                        [](FileMessageTest& test) { test.MakeFolder("zentconfig.ini"); },
                        [] { SaveConfig(); },
                        {kPathFileAccessError},
                        {"zentconfig.ini could not be replaced (", "It is a folder"},
                        kNotAFolderAdvice},
        FileMessageCase{"LeftoverFolderOfASave",
                        [](FileMessageTest& test) {
                            test.WriteFile("zentconfig.ini", "old");
                            test.MakeFolder("zentconfig.ini.tmp");
                        },
                        [] { SaveConfig(); },
                        {kPathFileAccessError},
                        {"zentconfig.ini.tmp could not be created (", "It is a folder"},
                        kNotAFolderAdvice},
        FileMessageCase{"SavedEmulatorConfigIsAFolder",
                        [](FileMessageTest& test) {
                            test.MakeFolder("tempavio.cfg");
                            test.WriteFile("zentavio.cfg", "old");
                        },
                        &FileMessageTest::CopySavedConfig,
                        {kPathFileAccessError},
                        {"tempavio.cfg could not be opened (", "It is a folder"},
                        kNotAFolderAdvice},
        // A read-only folder, which Explorer shows as any other.
        FileMessageCase{"EmulatorConfigIsAFolder",
                        [](FileMessageTest& test) {
                            test.WriteFile("tempavio.cfg", "[video]\r\n");
                            test.MakeFolder("zentavio.cfg",
                                            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY);
                        },
                        &FileMessageTest::CopySavedConfig,
                        {kPathFileAccessError},
                        {"zentavio.cfg was not replaced", "is unchanged",
                         "zentavio.cfg could not be replaced (", "It is a folder"},
                        kNotAFolderAdvice},
        FileMessageCase{"LeftoverFolderOfACopy",
                        [](FileMessageTest& test) {
                            SavedAndOldEmulatorConfig(test);
                            test.MakeFolder("zentavio.cfg.tmp");
                        },
                        &FileMessageTest::CopySavedConfig,
                        {kPathFileAccessError},
                        {"zentavio.cfg was not replaced", "zentavio.cfg.tmp could not be created (",
                         "It is a folder"},
                        kNotAFolderAdvice},
        FileMessageCase{"MissingEmulator",
                        [](FileMessageTest&) {},
                        &FileMessageTest::StartEmulator,
                        {kFileNotFound},
                        {"zentavio.exe could not be started (",
                         "put ZentavioWrapper.exe in the emulator's folder"},
                        {}},
        FileMessageCase{"EmptyEmulator",
                        [](FileMessageTest& test) { test.WriteFile("zentavio.exe", ""); },
                        &FileMessageTest::StartEmulator,
                        {kPathFileAccessError},
                        {"zentavio.exe could not be started (", "zentavio.exe)."},
                        {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zent
