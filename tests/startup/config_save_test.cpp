#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <variant>

#include "config_file.h"
#include "game_rows.h"
#include "startup/capture_fatal.h"
#include "startup/config_test_fixture.h"
#include "startup/latin1_ansi.h"

namespace zent {
namespace {

class SaveConfigTest : public ConfigTest {
protected:
    // The Settings window's state of the writer's example: exit-key box 27, high
    // priority on, CPU speed 100, show fps off, two games.
    static void SetExampleOptions() {
        Config.ExitKeyCode = std::string("27");
        Config.HighPriority = true;
        Config.CpuSpeed = 100;
        Config.ShowFps = false;
        Config.GameCount = 2;
        Config.GameTable = {testing::GameRecordOf(testing::kSpaceRaceGame),
                            testing::GameRecordOf(testing::kRoadFightGame)};
    }

    const std::string& SavedBytes() { return files_.files[kConfigPath]; }
};

// The file of SetExampleOptions.
const testing::ConfigFile kExample = {.lines = {{kHighPriorityOption, "1"}},
                                      .games = {testing::kSpaceRaceGame, testing::kRoadFightGame}};

// The format's bytes, written out: the writer's example and the pad exit after
// its games.
const std::string kExampleBytes =
    "27\r\n1\r\n 100 \r\n0\r\n 2 \r\n" +
    testing::GameLines({testing::kSpaceRaceGame, testing::kRoadFightGame}) +
    "PadExit=Back + Start\r\n";

TEST_F(SaveConfigTest, ReplacesTheFileWithTheSevenLinesOfTwoGamesThenThePadExit) {
    files_.files[kConfigPath] = std::string(5000, 'x');
    SetExampleOptions();
    SaveConfig();
    EXPECT_EQ(SavedBytes(), kExampleBytes);
}

TEST_F(SaveConfigTest, WritesANumericExitKeyInTheNumberFormat) {
    SetExampleOptions();
    Config.ExitKeyCode = 112.0;
    Config.HighPriority = false;
    Config.ShowFps = true;
    Config.CpuSpeed = -87.5;
    Config.PadExit = {};
    SaveConfig();
    EXPECT_EQ(SavedBytes().substr(0, SavedBytes().find(" 2 ")), " 112 \r\n0\r\n-87.5 \r\n1\r\n");
    EXPECT_TRUE(SavedBytes().ends_with("|True\r\nPadExit=Off\r\n"));
}

TEST_F(SaveConfigTest, NoGamesGiveFiveLinesThenThePadExit) {
    Config.ExitKeyCode = std::string("27");
    Config.CpuSpeed = 100;
    Config.GameTable = {testing::GameRecordOf({.name = "LEFT OVER"})};
    for (const std::int16_t count : {0, -3}) {
        Config.GameCount = count;
        SaveConfig();
        EXPECT_EQ(SavedBytes(),
                  "27\r\n0\r\n 100 \r\n0\r\n" + FileNumber(count) + "\r\nPadExit=Back + Start\r\n");
    }
}

TEST_F(SaveConfigTest, WritesOnlyTheCountedRows) {
    SetExampleOptions();
    Config.GameCount = 1;
    SaveConfig();
    testing::ConfigFile counted = kExample;
    counted.games.pop_back();
    EXPECT_EQ(SavedBytes(), testing::ConfigText(counted));
}

TEST_F(SaveConfigTest, WritesCellsUnaltered) {
    SetExampleOptions();
    Config.GameCount = 1;
    const testing::TestGame odd = {
        .name = " Space Race ",
        .driveKey = "",
        .renderer = "x",
        .spelled = {{kGameZWriting, "true"}, {kGameAlphaZWriting, ""}, {kGameNtscMode, " "}}};
    Config.GameTable = {testing::GameRecordOf(odd)};
    SaveConfig();
    testing::ConfigFile expected = kExample;
    expected.games = {odd};
    EXPECT_EQ(SavedBytes(), testing::ConfigText(expected));
}

TEST_F(SaveConfigTest, ACommaLocaleWritesACommaThatReadsBackAsTheIntegralPart) {
    CurrentTextLocale().decimalSeparator = ',';
    SetExampleOptions();
    Config.CpuSpeed = 87.5;
    SaveConfig();
    const std::string head = "27\r\n1\r\n 87,5 \r\n0\r\n";
    EXPECT_EQ(SavedBytes().substr(0, head.size()), head);
    LoadConfig();
    EXPECT_DOUBLE_EQ(Config.CpuSpeed, 87);
    EXPECT_EQ(Config.GameCount, 2);
}

TEST_F(SaveConfigTest, SavingTwiceGivesIdenticalBytes) {
    SetExampleOptions();
    Config.CpuSpeed = 1.0 / 3;
    SaveConfig();
    const std::string first = SavedBytes();
    SaveConfig();
    EXPECT_EQ(SavedBytes(), first);
}

TEST_F(SaveConfigTest, SaveThenLoadGivesBackTheOptionsAndTheRows) {
    SetExampleOptions();
    Config.ExitKeyCode = std::string("112");
    Config.CpuSpeed = 87.5;
    Config.ShowFps = true;
    const PadCombination joystick{PadKind::kJoystick, 15, 0x80000001};
    Config.PadExit = joystick;
    const std::vector<GameRecord> rows = Config.GameTable;
    SaveConfig();
    const std::string saved = SavedBytes();

    FreshProcess();
    LoadConfig();

    EXPECT_EQ(ExitKeyCodeValue(), 112);
    EXPECT_TRUE(Config.HighPriority);
    EXPECT_DOUBLE_EQ(Config.CpuSpeed, 87.5);
    EXPECT_TRUE(Config.ShowFps);
    EXPECT_EQ(Config.GameCount, 2);
    EXPECT_EQ(Config.GameTable, rows);
    EXPECT_EQ(Config.PadExit, joystick);
    // Writing what was read gives the same file again, apart from the exit key,
    // which now is a number.
    SaveConfig();
    EXPECT_EQ(SavedBytes(), " 112 " + saved.substr(3));
}

TEST_F(SaveConfigTest, WritesATemporaryFileFlushesItAndReplacesTheOldOneInOneStep) {
    files_.files[kConfigPath] = "old";
    SetExampleOptions();
    SaveConfig();
    const auto create = std::find_if(files_.log.begin(), files_.log.end(),
                                     [](const auto& line) { return line.starts_with("Create "); });
    ASSERT_NE(create, files_.log.end());
    const std::string temp = create->substr(std::string("Create ").size());
    EXPECT_EQ(temp.rfind("C:\\Zent\\", 0), 0u) << "the temporary file must sit beside the file";
    EXPECT_NE(temp, kConfigPath);
    ASSERT_GE(files_.log.end() - create, 5);
    EXPECT_EQ(files_.log[files_.log.size() - 3], "Flush " + temp);
    EXPECT_EQ(files_.log[files_.log.size() - 2], "Close " + temp);
    EXPECT_EQ(files_.log.back(), "Replace " + temp + " -> " + kConfigPath);
    for (auto write = create + 1; write + 3 < files_.log.end(); ++write) {
        EXPECT_EQ(*write, "Write " + temp);
    }
    EXPECT_EQ(files_.files.size(), 1u);
    EXPECT_TRUE(files_.OpenPaths().empty());
}

TEST_F(SaveConfigTest, TooFewRowsForTheCountIsFatalAndTouchesNoFile) {
    files_.files[kConfigPath] = "old";
    SetExampleOptions();
    Config.GameCount = 3;
    const auto error = CaptureFatal([] { SaveConfig(); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), kSubscriptOutOfRange);
    EXPECT_EQ(SavedBytes(), "old");
    EXPECT_TRUE(files_.log.empty());
}

// --- a failure at any step keeps the old file: the save of zentconfig.ini and
// the copy of tempavio.cfg over zentavio.cfg replace their file alike ---

constexpr const char* kStorePath = "C:\\Zent\\zentconfig.ini";
constexpr const char* kSavedEmulatorConfigPath = "C:\\Zent\\tempavio.cfg";
constexpr const char* kEmulatorConfigPath = "C:\\Zent\\zentavio.cfg";
// The copy takes the bytes as they are, a last line without CR LF included; it
// is long enough to be copied in three blocks, the last one short.
constexpr char kSavedEmulatorBytes[] = "[video]\r\nrenderer=saved\r\n\xFF\0end";
const std::string kSavedEmulatorConfig =
    std::string(kCopyBlockSize * 5 / 2, 'x') +
    std::string(kSavedEmulatorBytes, sizeof kSavedEmulatorBytes - 1);
constexpr int kCopyBlocks = 3;

void CopySavedEmulatorConfig(const std::function<bool()>& stopRequested) {
    ReplaceWithCopy(ActiveFileSystem(), kSavedEmulatorConfigPath, kEmulatorConfigPath,
                    stopRequested);
}

struct Replacement {
    const char* name;
    const char* target;
    void (*run)();
    // What the target holds after a successful run.
    std::string (*newBytes)();
};

void PrintTo(const Replacement& replacement, std::ostream* out) {
    *out << replacement.name;
}

const Replacement kReplacements[] = {
    {"SaveConfig", kStorePath, [] { SaveConfig(); }, [] { return ComposeConfigText(); }},
    {"EmulatorConfigCopy", kEmulatorConfigPath,
     [] { CopySavedEmulatorConfig([] { return false; }); }, [] { return kSavedEmulatorConfig; }},
};
const Replacement& kEmulatorConfigCopy = kReplacements[1];

class ReplaceFailureTest : public SaveConfigTest,
                           public ::testing::WithParamInterface<Replacement> {
protected:
    static constexpr const char* kOldBytes = "the old file\r\n";

    void SetUpFiles(testing::MemoryFileSystem& files, bool withOldFile) {
        files.files[kSavedEmulatorConfigPath] = kSavedEmulatorConfig;
        if (withOldFile) {
            files.files[GetParam().target] = kOldBytes;
        }
        SetExampleOptions();
    }

    // Runs the replacement with the file system failing as set up, and checks
    // that the old file is untouched, nothing else is left behind, and the error
    // names the file replaced.
    void ExpectFailureKeepsTheOldFile(int expectedError) {
        SetUpFiles(files_, true);
        const auto error = CaptureFatal(GetParam().run);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number(), expectedError);
        EXPECT_TRUE(NamesTheFileItself(error->description())) << error->description();
        EXPECT_EQ(files_.files[GetParam().target], kOldBytes);
        EXPECT_EQ(files_.files.size(), 2u) << "the temporary file was left behind";
        EXPECT_TRUE(files_.OpenPaths().empty());
    }

    // The temporary file's name starts with the target's path; the user must be
    // told about the target itself.
    static bool NamesTheFileItself(const std::string& description) {
        const std::string path = GetParam().target;
        for (std::size_t at = description.find(path); at != std::string::npos;
             at = description.find(path, at + 1)) {
            const std::size_t after = at + path.size();
            if (after == description.size() || description.compare(after, 1, " ") == 0 ||
                description.compare(after, 2, ". ") == 0 ||
                (description.compare(after, 1, ".") == 0 && after + 1 == description.size())) {
                return true;
            }
        }
        return false;
    }

    // How many writes a successful run makes.
    int WritesOfARun() {
        testing::MemoryFileSystem counting;
        SetActiveFileSystem(&counting);
        SetUpFiles(counting, true);
        GetParam().run();
        SetActiveFileSystem(&files_);
        return counting.writeCount;
    }
};

TEST_P(ReplaceFailureTest, WithoutAFaultLeavesTheNewBytesAndNothingElse) {
    SetUpFiles(files_, true);
    GetParam().run();
    EXPECT_EQ(files_.files[GetParam().target], GetParam().newBytes());
    EXPECT_EQ(files_.files.size(), 2u);
}

TEST_P(ReplaceFailureTest, AtCreate) {
    files_.faults.create = true;
    ExpectFailureKeepsTheOldFile(kPermissionDenied);
}

TEST_P(ReplaceFailureTest, AtEveryWrite) {
    const int writes = WritesOfARun();
    ASSERT_GT(writes, 0);
    for (int failing = 0; failing < writes; ++failing) {
        SCOPED_TRACE("failing write " + std::to_string(failing));
        files_ = testing::MemoryFileSystem{};
        files_.faults.write = failing;
        ExpectFailureKeepsTheOldFile(kDiskFull);
        EXPECT_EQ(files_.writeCount, failing + 1) << "writing went on after a failure";
    }
}

TEST_P(ReplaceFailureTest, AtFlush) {
    files_.faults.flush = true;
    ExpectFailureKeepsTheOldFile(kPathFileAccessError);
}

TEST_P(ReplaceFailureTest, AtClose) {
    files_.faults.close = true;
    ExpectFailureKeepsTheOldFile(kPathFileAccessError);
}

TEST_P(ReplaceFailureTest, AtReplace) {
    files_.faults.replace = true;
    ExpectFailureKeepsTheOldFile(kPermissionDenied);
}

TEST_P(ReplaceFailureTest, OfTheFirstRunLeavesNoFile) {
    files_.faults.flush = true;
    SetUpFiles(files_, false);
    EXPECT_TRUE(CaptureFatal(GetParam().run));
    EXPECT_EQ(files_.files.size(), 1u);
    EXPECT_FALSE(files_.files.contains(GetParam().target));
}

INSTANTIATE_TEST_SUITE_P(OneStep, ReplaceFailureTest, ::testing::ValuesIn(kReplacements),
                         [](const auto& info) { return std::string(info.param.name); });

// The copy's own ways to end early, in the middle of the file: a block that
// cannot be read, and the exit key held after a block.
using StreamedCopyTest = ReplaceFailureTest;

TEST_P(StreamedCopyTest, AtEveryRead) {
    for (int failing = 0; failing < kCopyBlocks; ++failing) {
        SCOPED_TRACE("failing read " + std::to_string(failing));
        files_ = testing::MemoryFileSystem{};
        files_.faults.read = failing;
        ExpectFailureKeepsTheOldFile(kPathFileAccessError);
        EXPECT_EQ(files_.writeCount, failing) << "a block was written after a failed read";
    }
}

TEST_P(StreamedCopyTest, StoppedAfterAnyBlockKeepsTheOldFile) {
    for (int stopAt = 0; stopAt < kCopyBlocks; ++stopAt) {
        SCOPED_TRACE("stopped after block " + std::to_string(stopAt));
        files_ = testing::MemoryFileSystem{};
        SetUpFiles(files_, true);
        int blocksWritten = 0;
        EXPECT_FALSE(ReplaceWithCopy(files_, kSavedEmulatorConfigPath, kEmulatorConfigPath,
                                     [&] { return blocksWritten++ == stopAt; }));
        EXPECT_EQ(files_.writeCount, stopAt + 1) << "copying went on after the stop";
        EXPECT_EQ(files_.files[kEmulatorConfigPath], kOldBytes);
        EXPECT_EQ(files_.files.size(), 2u) << "the temporary file was left behind";
        EXPECT_TRUE(files_.OpenPaths().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, StreamedCopyTest, ::testing::Values(kEmulatorConfigCopy),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveConfigTest, WritesTheAnsiTextOfTheLaunchersText) {
    UseLatin1AsAnsi();
    SetExampleOptions();
    Config.GameTable[1][0] = "CAF\u00C9";
    SaveConfig();
    testing::ConfigFile expected = kExample;
    expected.games[1].name = "CAF\xC9";
    EXPECT_EQ(SavedBytes(), testing::ConfigText(expected));
}

}  // namespace
}  // namespace zent
