// "zentconfig.ini" held open by another program: the real launcher stops with
// its "Zentavio Wrapper" box, which names the file and says what to do. (A
// save over a read-only file, which the Settings window outlives, is tested with
// the Settings window; the save itself over such a file where the store meets
// the Windows file system.)

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "e2e_support_win.h"
#include "launch_folder_win.h"
#include "startup/fatal_error.h"

namespace zent {
namespace {

constexpr char kConfig[] = "zentconfig.ini";
const std::string kOldBytes =
    testing::ConfigText({.lines = {{kShowFpsOption, "1"}}, .games = {testing::kSpaceRaceGame}});
constexpr int kBoxWaitMs = 20000;

// What the user is told to do: a read-only file and one held open by another
// program are different faults with different cures.
constexpr char kReadOnlyAdvice[] = "read-only";
constexpr char kHeldOpenAdvice[] = "other program";

// Holds a file open without sharing, as another program may; closes it when done.
class FileLock {
public:
    explicit FileLock(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
        if (handle_ == INVALID_HANDLE_VALUE) {
            throw std::runtime_error("cannot lock " + Narrow(path));
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() { CloseHandle(handle_); }

private:
    HANDLE handle_;
};

class ConfigFaultTest : public ::testing::Test {
protected:
    void SetUp() override { folder_.Write(kConfig, kOldBytes); }

    // The launcher's error box: it must name the file, say what to do, and give
    // the error number that the process then ends with.
    void ExpectStopNamingTheFile(const LauncherProcess& launcher, const char* advice) const {
        const auto box = ReadAndDismissBox(launcher.id(), kBoxWaitMs);
        ASSERT_TRUE(box.has_value()) << "no \"Zentavio Wrapper\" box";
        EXPECT_NE(box->find(folder_.Path() + "\\" + kConfig), std::string::npos) << *box;
        EXPECT_NE(box->find(advice), std::string::npos) << *box;
        const char* other = advice == kReadOnlyAdvice ? kHeldOpenAdvice : kReadOnlyAdvice;
        EXPECT_EQ(box->find(other), std::string::npos) << *box;
        ASSERT_TRUE(launcher.WaitForExit(kBoxWaitMs)) << "the launcher went on after its box";
        const DWORD number = launcher.ExitCode();
        EXPECT_TRUE(number == kPermissionDenied || number == kPathFileAccessError) << number;
        EXPECT_NE(box->find("Run-time error " + std::to_string(number) + ":"), std::string::npos)
            << *box;
    }

    LaunchFolder folder_;
};

TEST_F(ConfigFaultTest, LaunchWithTheFileHeldOpenStopsWithTheBox) {
    FileLock lock(folder_.PathOf(kConfig));
    ExpectStopNamingTheFile(*folder_.Start("D:\\Images\\Space Race.img"), kHeldOpenAdvice);
}

TEST_F(ConfigFaultTest, SettingsWithTheFileHeldOpenStopsWithTheBox) {
    FileLock lock(folder_.PathOf(kConfig));
    ExpectStopNamingTheFile(*folder_.Start(""), kHeldOpenAdvice);
}

}  // namespace
}  // namespace zent
