// "zentconfig.ini" that cannot be written or is held open by another program,
// through the real Windows file code: the save fails with the path named and the
// old file intact, and the launcher stops with its "Zentavio Wrapper" box.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e_support_win.h"
#include "fault_folder_win.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/file_system.h"
#include "startup/file_system_win.h"

namespace zent {
namespace {

constexpr char kConfig[] = "zentconfig.ini";
constexpr char kOldBytes[] = "27\r\n0\r\n 100 \r\n1\r\n 1 \r\nSPACE RACE|68|1|True|False|False\r\n";
constexpr int kBoxWaitMs = 20000;

// A launcher this test started; ended if a failed test left it running.
class Launcher {
public:
    explicit Launcher(const PROCESS_INFORMATION& started)
        : process_(started.hProcess), id_(started.dwProcessId) {}
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;
    ~Launcher() {
        if (!WaitForExit(0)) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }

    DWORD id() const { return id_; }
    bool WaitForExit(int timeoutMs) const {
        return WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        return code;
    }

private:
    HANDLE process_;
    DWORD id_;
};

// What the user is told to do: a read-only file and one held open by another
// program are different faults with different cures.
constexpr char kReadOnlyAdvice[] = "read-only";
constexpr char kHeldOpenAdvice[] = "other program";

void ExpectAdvice(const std::string& text, const char* advice) {
    EXPECT_NE(text.find(advice), std::string::npos) << text;
    const char* other = advice == kReadOnlyAdvice ? kHeldOpenAdvice : kReadOnlyAdvice;
    EXPECT_EQ(text.find(other), std::string::npos) << text;
}

// The launcher's error box: it must name the file, say what to do, and give the
// error number that the process then ends with.
void ExpectStopNaming(const Launcher& launcher, const std::string& path, const char* advice) {
    const auto box = ReadAndDismissBox(launcher.id(), kBoxWaitMs);
    ASSERT_TRUE(box.has_value()) << "no \"Zentavio Wrapper\" box";
    EXPECT_NE(box->find(path), std::string::npos) << *box;
    ExpectAdvice(*box, advice);
    ASSERT_TRUE(launcher.WaitForExit(kBoxWaitMs)) << "the launcher went on after its box";
    const DWORD number = launcher.ExitCode();
    EXPECT_TRUE(number == kPermissionDenied || number == kPathFileAccessError) << number;
    EXPECT_NE(box->find("Run-time error " + std::to_string(number) + ":"), std::string::npos)
        << *box;
}

class ConfigFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetActiveFileSystem(&files_);
        SetProgramFolder(folder_.path());
        folder_.Write(kConfig, kOldBytes);
        ExitKeyCode = std::string("112");
        HighPriority = true;
        CpuSpeed = 150;
        ShowFps = false;
        GameCount = 1;
        GameTable = {GameRecord{"ROAD FIGHT", "69", "0", "False", "False", "True"}};
    }
    void TearDown() override { SetActiveFileSystem(nullptr); }

    // SaveConfig must fail with the path named, leave the old bytes and no
    // temporary file behind.
    void ExpectSaveFailsKeepingTheOldFile(const char* advice) {
        try {
            SaveConfig();
            ADD_FAILURE() << "SaveConfig succeeded";
        } catch (const FatalError& error) {
            EXPECT_TRUE(error.number() == kPermissionDenied ||
                        error.number() == kPathFileAccessError)
                << error.number();
            EXPECT_NE(error.description().find(folder_.PathOf(kConfig)), std::string::npos)
                << error.description();
            ExpectAdvice(error.description(), advice);
        }
    }

    void ExpectOldFileIntact() const {
        EXPECT_EQ(folder_.Read(kConfig), kOldBytes);
        EXPECT_FALSE(folder_.Exists(std::string(kConfig) + ".tmp"));
    }

    WindowsFileSystem files_;
    FaultFolder folder_;
};

TEST_F(ConfigFaultTest, SaveOverAReadOnlyFileFailsAndKeepsIt) {
    folder_.MakeReadOnly(kConfig);
    ExpectSaveFailsKeepingTheOldFile(kReadOnlyAdvice);
    ExpectOldFileIntact();
}

TEST_F(ConfigFaultTest, SaveOverAFileHeldOpenFailsAndKeepsIt) {
    {
        FileLock lock(folder_.PathOf(kConfig));
        ExpectSaveFailsKeepingTheOldFile(kHeldOpenAdvice);
    }
    ExpectOldFileIntact();
}

TEST_F(ConfigFaultTest, SaveSucceedsOnceTheFileIsFreeAgain) {
    {
        FileLock lock(folder_.PathOf(kConfig));
        ExpectSaveFailsKeepingTheOldFile(kHeldOpenAdvice);
    }
    SaveConfig();
    EXPECT_EQ(folder_.Read(kConfig), ComposeConfigText());
}

TEST_F(ConfigFaultTest, LaunchWithTheFileHeldOpenStopsWithTheBox) {
    FileLock lock(folder_.PathOf(kConfig));
    Launcher launcher(folder_.StartLauncher("D:\\Images\\Space Race.img"));
    ExpectStopNaming(launcher, folder_.PathOf(kConfig), kHeldOpenAdvice);
}

TEST_F(ConfigFaultTest, SettingsWithTheFileHeldOpenStopsWithTheBox) {
    FileLock lock(folder_.PathOf(kConfig));
    Launcher launcher(folder_.StartLauncher(""));
    ExpectStopNaming(launcher, folder_.PathOf(kConfig), kHeldOpenAdvice);
}

TEST_F(ConfigFaultTest, SaveAndExitOverAReadOnlyFileStopsWithTheBox) {
    folder_.MakeReadOnly(kConfig);
    Launcher launcher(folder_.StartLauncher(""));
    // The window shows once its controls exist; the button is the evidence.
    HWND settings = nullptr;
    HWND save = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            settings = FindWindowW(nullptr, L"Settings");
            DWORD owner = 0;
            GetWindowThreadProcessId(settings, &owner);
            save = settings != nullptr && owner == launcher.id()
                       ? FindWindowExW(settings, nullptr, L"Button", L"&Save and Exit")
                       : nullptr;
            return save != nullptr && IsWindowVisible(settings);
        },
        kBoxWaitMs))
        << "no Settings window with its Save and Exit button";
    PostMessageW(settings, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(save), BN_CLICKED),
                 reinterpret_cast<LPARAM>(save));
    ExpectStopNaming(launcher, folder_.PathOf(kConfig), kReadOnlyAdvice);
    ExpectOldFileIntact();
}

}  // namespace
}  // namespace zent
