// The launcher's launch mode end to end: the real ZentavioWrapper.exe under
// Wine starts the stand-in emulator and drives it with keys; the stand-in's log
// says what arrived. Every wait polls for evidence with a time limit.

#include <algorithm>
#include <regex>

#include "launch_test_fixture_win.h"
#include "stand_in_controls.h"

namespace zent {
namespace {

using testing::GameRow;

constexpr unsigned long kStripped = WS_SYSMENU | WS_THICKFRAME | WS_CAPTION;
constexpr char kTraceName[] = "ZentavioWrapper.log";

unsigned long HexField(const std::map<std::string, std::string>& fields, const char* name) {
    return std::stoul(fields.at(name), nullptr, 16);
}

// ----- launches that run to the end -----

struct LaunchCase {
    const char* name;
    std::string gameLine;
    bool highPriority;
    bool showFps;
    const char* cpuSpeed;
    int exitKey;
    const char* program;
    // The menu commands, in one row only: which steps run and in what order is
    // tests/launch's; here only that real keys choose every menu entry.
    std::vector<std::string> commands;
    int speed;
    // "ZentavioWrapper.log" beside the launcher: none, empty, or held open by
    // another program that lets no one write it.
    enum class TraceFile { kNone, kEmpty, kLocked } trace = TraceFile::kNone;
};

void PrintTo(const LaunchCase& run, std::ostream* out) {
    *out << run.name;
}

class FullLaunchTest : public LaunchTest, public ::testing::WithParamInterface<LaunchCase> {
protected:
    std::unique_ptr<LauncherProcess> Start() {
        const LaunchCase& run = GetParam();
        WriteConfig(
            testing::ConfigText({.lines = {{kExitKeyOption, std::to_string(run.exitKey)},
                                           {kHighPriorityOption, run.highPriority ? "1" : "0"},
                                           {kCpuSpeedOption, run.cpuSpeed},
                                           {kShowFpsOption, run.showFps ? "1" : "0"}},
                                 .rows = {kOtherGame, run.gameLine}}));
        if (run.trace != LaunchCase::TraceFile::kNone) {
            folder_->Write(kTraceName, "");
        }
        if (run.trace == LaunchCase::TraceFile::kLocked) {
            traceLock_ = CreateFileW(folder_->PathOf(kTraceName).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        }
        return folder_->Start(kArgument);
    }

    void TearDown() override {
        if (traceLock_ != INVALID_HANDLE_VALUE) {
            CloseHandle(traceLock_);
        }
        LaunchTest::TearDown();
    }

    HANDLE traceLock_ = INVALID_HANDLE_VALUE;

    // The launch is over once the game runs, the window is placed, the last
    // speed key has arrived and the launcher waits in its message loop.
    bool LaunchComplete() const {
        HWND standIn = FindTopLevel(kStandInClass, nullptr, 0);
        RECT rect{};
        if (standIn == nullptr || !GetWindowRect(standIn, &rect) || rect.top != -20 ||
            !LogHas("command R1 start-game")) {
            return false;
        }
        const int speed = GetParam().speed;
        return speed == 100 || LogHas("speed " + std::to_string(speed));
    }
};

TEST_P(FullLaunchTest, DrivesTheEmulatorAndClosesItOnTheExitKey) {
    const LaunchCase& run = GetParam();
    std::unique_ptr<LauncherProcess> launcher = Start();
    ASSERT_TRUE(WaitUntil([&] { return LaunchComplete(); }, kStartTimeoutMs));
    ASSERT_TRUE(launcher->WaitForIdle(kStartTimeoutMs));

    // The backdrop shows black through a hole in the emulator window.
    PostMessageW(FindTopLevel(kStandInClass, nullptr, 0),
                 RegisterWindowMessageW(kCheckBackdropMessage), 0, 0);
    std::map<std::string, std::string> backdrop;
    ASSERT_TRUE(WaitUntil(
        [&] { return !(backdrop = LineFields(folder_->LogLines(), "backdrop-pixel")).empty(); },
        kExitTimeoutMs));
    EXPECT_EQ(backdrop.at("value"), "000000");
    EXPECT_EQ(backdrop.at("below-pid"), std::to_string(launcher->id()));
    EXPECT_EQ(backdrop.at("below-x") + "," + backdrop.at("below-y") + " " + backdrop.at("below-w") +
                  "x" + backdrop.at("below-h"),
              "0,0 1024x768");

    // The launcher ends once the key is let go, which the player does when the game has closed.
    const bool closed = HoldKeyUntil(
        run.exitKey, [&] { return LogHas("closed"); }, kExitTimeoutMs);
    ASSERT_TRUE(closed && launcher->WaitForExit(kExitTimeoutMs))
        << "the exit key did not end the launcher and the emulator";
    EXPECT_TRUE(WaitUntil([] { return FindTopLevel(kStandInClass, nullptr, 0) == nullptr; },
                          kExitTimeoutMs));

    const auto lines = folder_->LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string("program ") + run.program);
    EXPECT_EQ(lines[1], "config-digest " + Fnv1aHex(kSavedConfig))
        << "the emulator did not start with the saved configuration";
    EXPECT_EQ(folder_->Read("zentavio.cfg"), kSavedConfig);
    EXPECT_EQ(folder_->Read("tempavio.cfg"), kSavedConfig);
    if (!run.commands.empty()) {
        EXPECT_EQ(CommandLines(lines), run.commands);
    }

    // The exit key reached the emulator while the backdrop was still behind it.
    const auto atKey = LineFields(lines, "snapshot key");
    ASSERT_FALSE(atKey.empty()) << "the exit key never reached the emulator";
    EXPECT_TRUE(LogHas("key " + std::to_string(run.exitKey)));
    EXPECT_EQ(atKey.at("below-pid"), std::to_string(launcher->id()));
    EXPECT_EQ(atKey.at("below-full-screen"), "1");

    // The trace only when the player asked for it, and a failing one is no failure.
    const std::optional<std::string> trace = folder_->Read(kTraceName);
    switch (run.trace) {
        case LaunchCase::TraceFile::kNone:
            EXPECT_FALSE(trace.has_value()) << "the launcher created its trace file";
            break;
        case LaunchCase::TraceFile::kLocked:
            EXPECT_NE(traceLock_, INVALID_HANDLE_VALUE);
            EXPECT_EQ(trace, "");
            break;
        case LaunchCase::TraceFile::kEmpty:
            ASSERT_TRUE(trace.has_value());
            for (const char* event :
                 {"] command line: ", "] game name: \"Space Race\"", "] started ",
                  "] the emulator runs in a job that ends it with the launcher",
                  "] StartUpSequence: Alt+O Enter Tab Tab", "] SelectDrive: E Enter",
                  "] Alt+F4 into the emulator's window", "] the emulator ended "}) {
                EXPECT_TRUE(Holds(*trace, event));
            }
            // Every line time-stamped and with the launcher's process id, ended by CR LF.
            EXPECT_TRUE(std::regex_match(
                *trace,
                std::regex(R"((\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \[\d+\] [^\r\n]*\r\n)+)")))
                << *trace;
            break;
    }

    // Closed by Alt+F4, full screen and topmost to the end, and never lost the
    // keyboard on the way: the backdrop is shown without taking it.
    EXPECT_TRUE(LogHas("key alt+f4"));
    const auto altF4 = std::find(lines.begin(), lines.end(), "key alt+f4");
    EXPECT_EQ(std::find(lines.begin(), altF4, "deactivated"), altF4)
        << "the emulator lost the keyboard during the launch";
    const auto atStart = LineFields(lines, "snapshot start");
    const auto atClose = LineFields(lines, "snapshot close");
    ASSERT_FALSE(atClose.empty());
    EXPECT_EQ(atClose.at("speed"), std::to_string(run.speed));
    EXPECT_EQ(
        atClose.at("x") + "," + atClose.at("y") + " " + atClose.at("w") + "x" + atClose.at("h"),
        "0,-20 1024x788");
    EXPECT_EQ(atClose.at("topmost"), "1");
    EXPECT_EQ(atClose.at("cursor-x") + "," + atClose.at("cursor-y"), "1023,0");
    EXPECT_EQ(HexField(atClose, "style"), HexField(atStart, "style") & ~kStripped)
        << "caption, sizing frame and system menu go, every other style bit stays";
    // The system keeps the window-edge bit only on framed windows.
    const unsigned long ignored = WS_EX_TOPMOST | WS_EX_WINDOWEDGE;
    EXPECT_EQ(HexField(atClose, "exstyle") & ~ignored,
              HexField(atStart, "exstyle") & ~(ignored | WS_EX_TOOLWINDOW))
        << "only the tool-window bit goes";
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, FullLaunchTest,
    ::testing::Values(
        LaunchCase{"EveryOptionStandardCapcom",
                   GameRow({.driveKey = "69",
                            .renderer = "1",
                            .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}}),
                   true,
                   false,
                   " 150 ",
                   27,
                   "zentavio.exe",
                   {kDriveDialog, "drive E", kCapcom, kFps, kNtsc, kZWrite, kZWriteAlpha,
                    kHighPriority, kStartGame},
                   150,
                   LaunchCase::TraceFile::kEmpty},
        LaunchCase{
            "NoOptionStandard", GameRow({}), false, true, " 100 ", 27, "zentavio.exe", {}, 100},
        LaunchCase{"OldGfxNtscSlowerFpsOff",
                   GameRow({.driveKey = "71", .renderer = "2", .on = {kGameNtscMode}}),
                   false,
                   false,
                   "75",
                   27,
                   "zentavio_old_gfx.exe",
                   {},
                   75,
                   LaunchCase::TraceFile::kLocked},
        LaunchCase{
            "OldGfxCapcomZWritingExitKeyQ",
            GameRow({.driveKey = "70", .renderer = "3", .on = {kGameZWriting, kGameAlphaZWriting}}),
            true,
            true,
            " 0 ",
            'Q',
            "zentavio_old_gfx.exe",
            {},
            0}),
    [](const auto& info) { return std::string(info.param.name); });

// ----- the launch guard: slow, crashing and windowless emulators, a front end
// that takes the focus, impatient players -----

const std::vector<std::string> kPlainRun = {kDriveDialog, "drive D", kStartGame};

class GuardedLaunchTest : public LaunchTest {
protected:
    std::unique_ptr<LauncherProcess> Start(const std::string& mode = "", int exitKey = 27,
                                           const std::string& cpuSpeed = "100") {
        WriteConfig(testing::ConfigText({.lines = {{kExitKeyOption, std::to_string(exitKey)},
                                                   {kCpuSpeedOption, cpuSpeed},
                                                   {kShowFpsOption, "1"}},
                                         .rows = {kOtherGame, GameRow({})}}));
        if (!mode.empty()) {
            folder_->Write(Narrow(kStandInModeName), mode);
        }
        return folder_->Start(kArgument);
    }

    bool GameRunsFullScreen() const {
        RECT rect{};
        const HWND standIn = FindTopLevel(kStandInClass, nullptr, 0);
        return standIn != nullptr && GetWindowRect(standIn, &rect) && rect.top <= -20 &&
               LogHas(kStartGame);
    }

    // Holds the exit key until an emulator more has closed, then lets go, which
    // ends the launcher.
    bool ExitKeyEndsBoth(const LauncherProcess& launcher) const {
        const auto closes = [&] {
            const auto lines = folder_->LogLines();
            return std::count(lines.begin(), lines.end(), "closed");
        };
        const auto before = closes();
        return HoldKeyUntil(
                   27, [&] { return closes() > before; }, kExitTimeoutMs) &&
               launcher.WaitForExit(kExitTimeoutMs);
    }

    bool EmulatorProcessGone() const {
        const auto pid = LineFields(folder_->LogLines(), "pid");
        if (pid.empty()) {
            return false;
        }
        const HANDLE process =
            OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::stoul(pid.at("value"))));
        if (process == nullptr) {
            return true;
        }
        const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        CloseHandle(process);
        return ended;
    }
};

TEST_F(GuardedLaunchTest, AnEmulatorThatNeverShowsAWindowIsEndedAndNothingIsTyped) {
    const ForeignWindow frontEnd(*folder_);
    const auto launcher = Start(kModeNoWindow);

    const auto box = ReadAndDismissBox(launcher->id(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(Holds(*box, "showed no window within 10 seconds"));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_TRUE(EmulatorProcessGone()) << "the windowless emulator was left running";
    EXPECT_EQ(frontEnd.Received(), std::vector<std::string>());
}

TEST_F(GuardedLaunchTest, AnEmulatorThatEndsAtOnceIsReportedWithItsExitCode) {
    const ForeignWindow frontEnd(*folder_);
    const auto launcher = Start(kModeExitAtOnce);

    const auto box = ReadAndDismissBox(launcher->id(), kStartTimeoutMs);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(
        Holds(*box, "zentavio.exe ended with exit code " + std::to_string(kExitAtOnceCode)));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(frontEnd.Received(), std::vector<std::string>());
}

TEST_F(GuardedLaunchTest, AWindowThatComesLateGetsEveryKeyAndTheFrontEndNone) {
    const ForeignWindow frontEnd(*folder_);
    const auto launcher = Start(kModeLateWindow);

    ASSERT_TRUE(WaitUntil([&] { return GameRunsFullScreen(); }, kStartTimeoutMs));
    EXPECT_EQ(CommandLines(folder_->LogLines()), kPlainRun);
    EXPECT_EQ(frontEnd.Received(), std::vector<std::string>());
    ASSERT_TRUE(launcher->WaitForIdle(kStartTimeoutMs));
    EXPECT_TRUE(ExitKeyEndsBoth(*launcher));
    // The player is back in the front end without a click.
    EXPECT_TRUE(WaitUntil([&] { return frontEnd.InFront(); }, kExitTimeoutMs))
        << "the front end did not get the foreground back";
}

TEST_F(GuardedLaunchTest, TheExitKeyInTheFirstPauseClosesTheEmulatorBeforeTheGameStarts) {
    const auto launcher = Start();
    // The emulator's window is up: the launcher is in its first pause.
    ASSERT_TRUE(
        WaitUntil([&] { return !LineFields(folder_->LogLines(), "snapshot start").empty(); },
                  kStartTimeoutMs));
    EXPECT_TRUE(ExitKeyEndsBoth(*launcher));
    EXPECT_TRUE(LogHas("key alt+f4"));
    EXPECT_FALSE(LogHas(kStartGame)) << "the launch went on after the exit key";
}

TEST_F(GuardedLaunchTest, TheExitKeyClosesTheEmulatorAfterAnotherWindowTookTheFocus) {
    const auto launcher = Start();
    ASSERT_TRUE(WaitUntil([&] { return GameRunsFullScreen(); }, kStartTimeoutMs));
    ASSERT_TRUE(launcher->WaitForIdle(kStartTimeoutMs));
    const ForeignWindow toast(*folder_);

    EXPECT_TRUE(ExitKeyEndsBoth(*launcher));
    EXPECT_TRUE(LogHas("close-command"));
    EXPECT_FALSE(LogHas("key alt+f4"));
    for (const auto& received : toast.Received()) {
        EXPECT_EQ(received, "key 27") << "the launcher typed into or closed another program";
    }
}

TEST_F(GuardedLaunchTest, ADoublePressStartsOneEmulator) {
    const auto first = Start();
    Sleep(150);  // the two presses of a double press in a front end
    const auto second = folder_->Start(kArgument);

    ASSERT_TRUE(second->WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(second->ExitCode(), 0u);
    ASSERT_TRUE(WaitUntil([&] { return GameRunsFullScreen(); }, kStartTimeoutMs));
    ASSERT_TRUE(first->WaitForIdle(kStartTimeoutMs));
    const auto lines = folder_->LogLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.starts_with("program "); }),
              1);
    EXPECT_EQ(CommandLines(lines), kPlainRun);
    EXPECT_TRUE(ExitKeyEndsBoth(*first));
}

// Closed by other means (its own menu, a crash), the emulator's launch is over:
// the next game can be launched while the first launcher still watches its key.
TEST_F(GuardedLaunchTest, AnEmulatorClosedByOtherMeansLetsTheNextGameBeLaunched) {
    folder_->Write(kTraceName, "");
    const auto first = Start();
    ASSERT_TRUE(WaitUntil([&] { return GameRunsFullScreen(); }, kStartTimeoutMs));
    ASSERT_TRUE(first->WaitForIdle(kStartTimeoutMs));
    PostMessageW(FindTopLevel(kStandInClass, nullptr, 0), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto trace = folder_->Read(kTraceName);
            return trace && Holds(*trace, "] the emulator has ended; the launch is over");
        },
        kExitTimeoutMs));

    const auto second = folder_->Start(kArgument);
    const auto started = [&] {
        const auto lines = folder_->LogLines();
        return std::count_if(lines.begin(), lines.end(),
                             [](const std::string& line) { return line.starts_with("program "); });
    };
    EXPECT_TRUE(WaitUntil([&] { return started() == 2; }, kStartTimeoutMs))
        << "the second launch started no emulator";
    EXPECT_FALSE(first->WaitForExit(0)) << "the first launcher stopped watching its exit key";
    ASSERT_TRUE(WaitUntil([&] { return GameRunsFullScreen(); }, kStartTimeoutMs));
    ASSERT_TRUE(second->WaitForIdle(kStartTimeoutMs));
    EXPECT_TRUE(ExitKeyEndsBoth(*second));
    EXPECT_TRUE(first->WaitForExit(kExitTimeoutMs));
}

// ----- the game always ends: whatever the emulator shows, and when a front end
// ends the launcher by force -----

struct GameEndCase {
    const char* name;
    std::string mode;
    const char* cpuSpeed;
    // The stand-in's log line after which the player or the front end acts.
    std::string ready;
    enum class Ending { kStandInHoldsTheExitKey, kExitKey, kTerminated } ending;
};

void PrintTo(const GameEndCase& c, std::ostream* out) {
    *out << c.name;
}

class GameEndTest : public GuardedLaunchTest, public ::testing::WithParamInterface<GameEndCase> {};

// The exit key is Q here: Escape would close the emulator's box or dialog itself.
TEST_P(GameEndTest, NoEmulatorIsLeftBehind) {
    const GameEndCase& c = GetParam();
    const auto launcher = Start(c.mode, 'Q', c.cpuSpeed);
    ASSERT_TRUE(WaitUntil([&] { return LogHas(c.ready); }, kStartTimeoutMs));
    switch (c.ending) {
        case GameEndCase::Ending::kStandInHoldsTheExitKey:
            EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
            break;
        case GameEndCase::Ending::kExitKey:
            EXPECT_TRUE(HoldKeyUntil(
                            'Q', [&] { return EmulatorProcessGone(); }, kExitTimeoutMs) &&
                        launcher->WaitForExit(kExitTimeoutMs));
            break;
        case GameEndCase::Ending::kTerminated:
            launcher->Terminate();
            break;
    }
    EXPECT_TRUE(WaitUntil([&] { return EmulatorProcessGone(); }, kExitTimeoutMs))
        << "the emulator was left running";
    if (c.ending != GameEndCase::Ending::kTerminated) {
        EXPECT_EQ(launcher->ExitCode(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, GameEndTest,
    ::testing::Values(
        // Alt+F4 first closes only the dialog.
        GameEndCase{"ExitKeyWithTheDriveDialogOpen", std::string(kModeHoldKeyInDriveDialog) + " 81",
                    "100", "key alt+f4 drive-dialog-closed",
                    GameEndCase::Ending::kStandInHoldsTheExitKey},
        GameEndCase{"ExitKeyWithTheEmulatorsBoxOpen", std::string(kModeBoxAfterStart) + " 300",
                    "100", "box shown", GameEndCase::Ending::kExitKey},
        GameEndCase{"ExitKeyWithAQuitQuestionNobodyAnswers", kModeQuitQuestion, "100", kStartGame,
                    GameEndCase::Ending::kExitKey},
        GameEndCase{"TerminatedWhileTheGameRuns", "", "100", kStartGame,
                    GameEndCase::Ending::kTerminated},
        GameEndCase{"TerminatedWithTheCpuSpeedHalfSet", "", "300", "speed 150",
                    GameEndCase::Ending::kTerminated}),
    [](const auto& info) { return std::string(info.param.name); });

// A box the emulator shows as the game starts is in front when the window is
// placed: the game's window, not the box, is made full screen, and the box
// stays in sight in front of it.
TEST_F(GuardedLaunchTest, ABoxAtTheGamesStartLeavesTheMainWindowToBePlaced) {
    const auto launcher = Start(std::string(kModeBoxAfterStart) + " 30", 'Q');
    ASSERT_TRUE(
        WaitUntil([&] { return GameRunsFullScreen() && LogHas("box shown"); }, kStartTimeoutMs));
    ASSERT_TRUE(launcher->WaitForIdle(kStartTimeoutMs));
    const DWORD standIn = std::stoul(LineFields(folder_->LogLines(), "pid").at("value"));
    const HWND box = FindTopLevel(L"#32770", nullptr, standIn);
    ASSERT_NE(box, nullptr);
    RECT rect{};
    GetWindowRect(box, &rect);
    EXPECT_GT(rect.top, 0) << "the box was made full screen";
    // What the screen shows inside the box's frame: the box, not the game.
    EXPECT_TRUE(WaitUntil(
        [&] {
            const HDC screen = GetDC(nullptr);
            const COLORREF shown = GetPixel(screen, rect.left + 6, rect.bottom - 6);
            ReleaseDC(nullptr, screen);
            return shown != CLR_INVALID && shown != kStandInBackground;
        },
        kExitTimeoutMs))
        << "the box is hidden behind the full-screen game";
    EXPECT_TRUE(HoldKeyUntil(
        'Q', [&] { return EmulatorProcessGone(); }, kExitTimeoutMs));
    EXPECT_TRUE(launcher->WaitForExit(kExitTimeoutMs));
}

// ----- the pad exit, read through the stand-in XInput DLL from scripted pads -----

// The launchers started meanwhile play script on the stand-in for xinput1_4.dll
// that the test program runs with: "<ms> <slot> <buttons in hex>" changes, ";"
// between them, counted from the launcher's first look at the pads, as the
// pause after the emulator's start begins.
class ScriptedPads {
public:
    explicit ScriptedPads(const std::string& script) {
        SetEnvironmentVariableA("ZENT_FAKE_PAD_SCRIPT", script.c_str());
    }
    ~ScriptedPads() { SetEnvironmentVariableA("ZENT_FAKE_PAD_SCRIPT", nullptr); }
};

// Only the real DLL's reading is shown here: every combination's timing is in PadExitTest.
TEST_F(GuardedLaunchTest, BackAndStartHeldOneSecondEndTheGame) {
#ifndef ZENT_SCRIPTED_PADS
    GTEST_SKIP() << "scripted pads need the stand-in XInput DLL of the Wine prefix";
#endif
    const ScriptedPads pads("0 2 0;100 2 30;1300 2 0");
    const auto launcher = Start();
    EXPECT_TRUE(launcher->WaitForExit(kStartTimeoutMs)) << "the pad exit did not end it";
    EXPECT_EQ(launcher->ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return EmulatorProcessGone(); }, kExitTimeoutMs));
}

// As the emulator starts, the screen shows the launcher's black where the front end was.
TEST_F(GuardedLaunchTest, TheScreenIsBlackBeforeTheEmulatorStarts) {
    const ForeignWindow frontEnd(*folder_);
    const auto launcher = Start(kModeExitAtOnce);
    ASSERT_TRUE(ReadAndDismissBox(launcher->id(), kStartTimeoutMs).has_value());
    const auto screen = LineFields(folder_->LogLines(), "screen-at-start");
    EXPECT_EQ(screen.at("black") + " " + screen.at("pid"), "1 " + std::to_string(launcher->id()));
}

// A pressed and let go (every second here) answers the box as OK does.
TEST_F(GuardedLaunchTest, APadsAAnswersTheErrorBox) {
#ifndef ZENT_SCRIPTED_PADS
    GTEST_SKIP() << "scripted pads need the stand-in XInput DLL of the Wine prefix";
#endif
    const ScriptedPads pads("0 0 0;1000 0 1000;1200 0 0;2000 0 1000;2200 0 0;3000 0 1000;3200 0 0");
    const auto launcher = Start(kModeExitAtOnce);
    EXPECT_NE(WaitForWindow(launcher->id(), kBoxTitle, kStartTimeoutMs), nullptr);
    ASSERT_TRUE(launcher->WaitForExit(kStartTimeoutMs)) << "the pad did not answer the box";
    EXPECT_EQ(launcher->ExitCode(), 68u) << "the exit code of its OK, error 68";
}

// DISABLED_: run only by tests/wine/display_variant.sh, each on its desktop.
class DisplayVariantTest : public GuardedLaunchTest {
protected:
    // The emulator's window as it closed, the pointer, and what lay below it.
    std::map<std::string, std::string> PlayedToTheEnd(const std::string& display) {
        WriteConfig(testing::ConfigText(
            {.lines = {{kDisplayOption, display}}, .rows = {kOtherGame, GameRow({})}}));
        const auto launcher = folder_->Start(kArgument);
        EXPECT_TRUE(WaitUntil([&] { return GameRunsFullScreen(); }, kStartTimeoutMs) &&
                    launcher->WaitForIdle(kStartTimeoutMs) && ExitKeyEndsBoth(*launcher));
        return LineFields(folder_->LogLines(), "snapshot close");
    }
};

// Xvfb puts both displays at the origin: the sizes tell where everything went.
TEST_F(DisplayVariantTest, DISABLED_TwoDisplaysTheGameAndTheBoxGoToTheChosenOne) {
    const auto at = PlayedToTheEnd("2");
    EXPECT_EQ(at.at("x") + "," + at.at("y") + " " + at.at("w") + "x" + at.at("h") + " " +
                  at.at("cursor-x") + "," + at.at("cursor-y") + " " + at.at("below-w") + "x" +
                  at.at("below-h"),
              "0,-20 800x620 799,0 800x600");
    folder_->Write(Narrow(kStandInModeName), kModeExitAtOnce);
    const auto launcher = folder_->Start(kArgument);
    RECT box{};
    GetWindowRect(WaitForWindow(launcher->id(), kBoxTitle, kStartTimeoutMs), &box);
    EXPECT_LE(std::abs(box.left + box.right - 800) + std::abs(box.top + box.bottom - 600), 2);
    EXPECT_TRUE(ReadAndDismissBox(launcher->id(), kExitTimeoutMs).has_value());
}

// The menu bar is taller at 144 DPI: all of it lies above the screen.
TEST_F(DisplayVariantTest, DISABLED_At144DpiTheGamesAreaStartsAtTheTopEdge) {
    const auto at = PlayedToTheEnd("Primary");
    EXPECT_EQ(at.at("client-y") + " " + at.at("cursor-x") + "," + at.at("cursor-y"), "0 1023,0");
    EXPECT_LT(std::stoi(at.at("y")), -20);
    EXPECT_EQ(std::stoi(at.at("y")) + std::stoi(at.at("h")), 768);
}

}  // namespace
}  // namespace zent
