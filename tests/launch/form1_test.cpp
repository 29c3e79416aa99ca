#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "emulator_model.h"
#include "game_rows.h"
#include "launch/emulator_window.h"
#include "launch/exit_key.h"
#include "launch/form1.h"
#include "launch/launch_state.h"
#include "launch_fixture.h"
#include "stand_in_controls.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/text_conversions.h"
#include "startup/trace.h"

namespace zent::testing {
namespace {

const std::string kStandardExe = std::string(kFolder) + "\\zentavio.exe";
const std::string kOldGfxExe = std::string(kFolder) + "\\zentavio_old_gfx.exe";
constexpr WindowHandle kFrontEnd = 0x600;

void HoldEscape(RecordingPlatform& platform) {
    platform.keyStates[27] = 0xFF81;
}

// The steps every launch runs, and those the options switch.
const std::set<std::string> kEveryLaunch = {"StartUpSequence", "SelectDrive", "InitGame",
                                            "PlaceEmulatorWindow", "SetCpuSpeed"};
const std::set<std::string> kOptionSteps = {"InitCapcom", "InitNTSC",        "InitFps",
                                            "InitZwrite", "InitZwriteAlpha", "InitHighPriority"};

class Form1Test : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        platform.programs = {kStandardExe, kOldGfxExe};
        PutEmulatorWindowInFront(platform);
    }

    // Two games, the second given; high priority and show fps as given.
    void Configure(const std::string& game, bool highPriority, bool showFps) {
        WriteConfig({.lines = {{kHighPriorityOption, highPriority ? "1" : "0"},
                               {kShowFpsOption, showFps ? "1" : "0"}},
                     .rows = {GameRow({.name = "ROAD FIGHT", .driveKey = "70"}), game}});
    }

    // The launch's pauses and outside effects, without its keys: the start, the
    // 500 ms after it, and the 100 ms before the drive key and before the capture.
    static std::vector<std::string> LaunchOutline(const std::string& exe) {
        return {"StartProgram " + exe + " show 1", "Sleep 500", "Sleep 100", "Sleep 100"};
    }

    // The emulator's window full screen and topmost in front of the backdrop,
    // and still the one with the keyboard.
    void ExpectFullScreen() {
        const FakeWindow& emulator = platform.windows[kEmulatorWindow];
        EXPECT_EQ(std::vector<int>({emulator.x, emulator.y, emulator.width, emulator.height}),
                  std::vector<int>({0, -20, 1024, 788}));
        EXPECT_TRUE(emulator.topmost);
        EXPECT_EQ(platform.zOrder.at(1), RecordingPlatform::kBackdrop);
        EXPECT_EQ(platform.foreground, kEmulatorWindow);
    }
};

struct OptionCase {
    const char* name;
    std::string game;
    bool highPriority;
    bool showFps;
    std::set<std::string> options;  // the option steps that must run
};

void PrintTo(const OptionCase& c, std::ostream* out) {
    *out << c.name;
}

class Form1OptionTest : public Form1Test, public ::testing::WithParamInterface<OptionCase> {};

// The keys are those of the steps that run, in the table's order; a step the
// table adds runs, or not, by its own condition.
TEST_P(Form1OptionTest, RunsTheStepsOfTheOptionsThatAreOn) {
    const OptionCase& c = GetParam();
    Configure(c.game, c.highPriority, c.showFps);
    Launch.GameName = "Space Race";
    EXPECT_EQ(Form_Load(platform.Parts()), LaunchResult::kLaunched);
    std::set<std::string> known = StepsThatRun();
    std::erase_if(known, [](const std::string& step) {
        return !kEveryLaunch.contains(step) && !kOptionSteps.contains(step);
    });
    std::set<std::string> expected = kEveryLaunch;
    expected.insert(c.options.begin(), c.options.end());
    EXPECT_EQ(known, expected);
    EXPECT_EQ(platform.keyEvents, KeysOfSteps(StepsThatRun()));
    EXPECT_EQ(platform.LogWithoutKeys(),
              LaunchOutline(ProgramFile(EmulatorProgramName(Launch.RendererType))));
    ExpectFullScreen();
}

const std::vector<GameField> kEveryGameOption = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode};

INSTANTIATE_TEST_SUITE_P(
    Options, Form1OptionTest,
    ::testing::Values(
        OptionCase{"nothing", GameRow({}), false, true, {}},
        OptionCase{"everything",
                   GameRow({.renderer = "1", .on = kEveryGameOption}),
                   true,
                   false,
                   {"InitCapcom", "InitFps", "InitNTSC", "InitZwrite", "InitZwriteAlpha",
                    "InitHighPriority"}},
        OptionCase{"fps off", GameRow({}), false, false, {"InitFps"}},
        OptionCase{"capcom", GameRow({.renderer = "3"}), false, true, {"InitCapcom"}},
        OptionCase{
            "ntsc", GameRow({.spelled = {{kGameNtscMode, "true"}}}), false, true, {"InitNTSC"}},
        OptionCase{"z-writing",
                   GameRow({.spelled = {{kGameZWriting, "TRUE"}}}),
                   false,
                   true,
                   {"InitZwrite"}},
        OptionCase{"alpha z-writing",
                   GameRow({.spelled = {{kGameAlphaZWriting, "-1"}}}),
                   false,
                   true,
                   {"InitZwriteAlpha"}},
        OptionCase{"high priority", GameRow({}), true, true, {"InitHighPriority"}}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

struct RendererCase {
    const char* type;
    std::string exe;
    bool capcomHack;
};

void PrintTo(const RendererCase& c, std::ostream* out) {
    *out << "renderer " << c.type;
}

class Form1RendererTest : public Form1Test, public ::testing::WithParamInterface<RendererCase> {};

TEST_P(Form1RendererTest, StartsTheBuildOfTheRendererByItsFullPath) {
    Configure(GameRow({.renderer = GetParam().type}), false, true);
    Form_Load(platform.Parts());
    EXPECT_EQ(platform.log.front(), "StartProgram " + GetParam().exe + " show 1");
    EXPECT_EQ(Launch.CapcomHack, GetParam().capcomHack);
    EXPECT_EQ(Launch.EmulatorProcess, RecordingPlatform::kStartedProcess);
}

INSTANTIATE_TEST_SUITE_P(Renderers, Form1RendererTest,
                         ::testing::Values(RendererCase{"0", kStandardExe, false},
                                           RendererCase{"1", kStandardExe, true},
                                           RendererCase{"2", kOldGfxExe, false},
                                           RendererCase{"3", kOldGfxExe, true}));

// The emulator starts on the saved configuration, from the launcher's folder,
// and the launch writes no other file.
TEST_F(Form1Test, TheEmulatorStartsOnACopyOfTheSavedConfiguration) {
    Configure(GameRow({}), false, true);
    const std::string config = files.files.at(ProgramFile("zentconfig.ini"));
    Form_Load(platform.Parts());
    EXPECT_EQ(files.files,
              (std::map<std::string, std::string>{{ProgramFile("zentconfig.ini"), config},
                                                  {ProgramFile("tempavio.cfg"), kSavedConfig},
                                                  {ProgramFile("zentavio.cfg"), kSavedConfig}}));
    EXPECT_EQ(files.log.at(1), std::string("ChangeCurrentFolder ") + kFolder);
}

TEST_F(Form1Test, TheTraceTellsEachEventOfALaunchWithItsKeys) {
    WriteConfig({.lines = {{kHighPriorityOption, "1"}, {kCpuSpeedOption, " 102 "}},
                 .games = {kSpaceRaceGame}});
    Form_Load(platform.Parts());
    EXPECT_EQ(platform.traced,
              (std::vector<std::string>{
                  "game \"SPACE RACE\": " + GameRecordText(kSpaceRaceGame),
                  "copied tempavio.cfg over zentavio.cfg",
                  "started " + kStandardExe + ", process id 4242",
                  "the emulator's window is in front", "StartUpSequence: Alt+O Enter Tab Tab",
                  "SelectDrive: D Enter", "InitCapcom: Alt+O Down x5 Enter",
                  "InitFps: Alt+O Down Right Down x3 Enter", "InitZwrite: Alt+O Down Right Enter",
                  "InitHighPriority: Alt+O Down x4 Right Down Enter", "InitGame: Alt+R Enter",
                  "the emulator's window \"Zentavio\" placed at 0,-20 size 1024x788, topmost, "
                  "over the backdrop",
                  "PlaceEmulatorWindow: no key", "SetCpuSpeed: Num+ Num+",
                  "the launch is done; watching the exit key"}));
}

TEST_F(Form1Test, AGameNotConfiguredEndsBeforeAnythingIsCopiedOrStarted) {
    Configure(GameRow({}), false, true);
    Launch.GameName = "SPACE RAC";
    EXPECT_EQ(Form_Load(platform.Parts()), LaunchResult::kGameNotFound);
    EXPECT_TRUE(platform.log.empty());
    EXPECT_FALSE(platform.windows.contains(RecordingPlatform::kBackdrop));
    EXPECT_FALSE(files.files.contains(ProgramFile("zentavio.cfg")));
}

// Every bad field is in UnpackRecordTest; here only that none starts anything.
TEST_F(Form1Test, ABadRecordStartsNothing) {
    Configure(GameRow({.driveKey = "300"}), false, true);
    EXPECT_THROW(Form_Load(platform.Parts()), FatalError);
    EXPECT_TRUE(platform.log.empty());
    EXPECT_FALSE(platform.windows.contains(RecordingPlatform::kBackdrop));
    EXPECT_FALSE(files.files.contains(ProgramFile("zentavio.cfg")));
}

TEST_F(Form1Test, AMissingEmulatorFailsNamingItsPathAndSendsNoKey) {
    Configure(GameRow({.renderer = "2"}), false, true);
    platform.programs = {kStandardExe};
    try {
        Form_Load(platform.Parts());
        FAIL() << "started a missing program";
    } catch (const FatalError& error) {
        EXPECT_NE(error.description().find(kOldGfxExe), std::string::npos);
    }
    EXPECT_EQ(platform.log, std::vector<std::string>{"StartProgram " + kOldGfxExe + " show 1"});
    EXPECT_EQ(platform.windows[RecordingPlatform::kBackdrop].width, 1024) << "black before it";
}

TEST_F(Form1Test, AnExitKeyThatNoKeyProducesStartsNothing) {
    for (const char* exitKey : {"99999999999", "256", "-5", "255"}) {
        SCOPED_TRACE(exitKey);
        WriteConfig({.lines = {{kExitKeyOption, exitKey}, {kShowFpsOption, "1"}}, .games = {{}}});
        try {
            Form_Load(platform.Parts());
            FAIL() << "launched with exit key " << exitKey;
        } catch (const FatalError& error) {
            EXPECT_NE(error.description().find(std::string("\"") + exitKey + "\""),
                      std::string::npos)
                << error.description();
            EXPECT_NE(error.description().find("Redefine"), std::string::npos);
        }
        EXPECT_TRUE(platform.log.empty()) << platform.log.front();
    }
}

// Holds the exit key as the saved configuration is opened for the copy.
struct ExitKeyDuringTheCopy : MemoryFileSystem {
    RecordingPlatform* platform = nullptr;
    std::unique_ptr<InputFile> Open(const std::string& path) override {
        if (path.ends_with(kSavedEmulatorConfig)) {
            HoldEscape(*platform);
        }
        return MemoryFileSystem::Open(path);
    }
};

// A large saved configuration takes a while to copy; the exit key held
// meanwhile ends the launcher as before the copy, with nothing started.
TEST_F(Form1Test, AnExitKeyHeldDuringTheCopyStopsItAndStartsNothing) {
    Configure(GameRow({}), false, true);
    ExitKeyDuringTheCopy copying;
    copying.platform = &platform;
    copying.files = files.files;
    SetActiveFileSystem(&copying);
    EXPECT_EQ(Form_Load(platform.Parts()), LaunchResult::kExitKey);
    EXPECT_EQ(platform.log, std::vector<std::string>{"Sleep 500"});
    EXPECT_EQ(copying.files, files.files) << "a file changed or was left behind";
}

TEST_F(Form1Test, ASecondLaunchFromTheFolderEndsBeforeAnything) {
    Configure(GameRow({}), false, true);
    platform.anotherLaunchRuns = true;
    EXPECT_EQ(Form_Load(platform.Parts()), LaunchResult::kAnotherLaunchRuns);
    EXPECT_TRUE(platform.log.empty());
    EXPECT_TRUE(files.log.empty());
}

TEST_F(Form1Test, AWindowThatComesLateGetsHalfASecondBeforeTheFirstKey) {
    Configure(GameRow({}), false, true);
    platform.AddWindowInFront(kFrontEnd, 999, "Front End");
    platform.windows[kEmulatorWindow].visible = false;
    platform.At(2000, [this] {
        platform.windows[kEmulatorWindow].visible = true;
        platform.foreground = kEmulatorWindow;
    });
    Form_Load(platform.Parts());
    std::vector<std::string> expected = LaunchOutline(kStandardExe);
    expected[1] = "Sleep 2500";  // in front at 2000 ms, 500 ms to settle
    EXPECT_EQ(platform.LogWithoutKeys(), expected);
    EXPECT_EQ(platform.keyEvents, KeysOfSteps(StepsThatRun()));
}

// Windows may keep a program's first window behind the front end that is in
// front; the launcher passes its right to the foreground on, and uses it once.
TEST_F(Form1Test, AWindowKeptBehindTheFrontEndIsBroughtToTheFrontOnceAfterASecond) {
    Configure(GameRow({}), false, true);
    platform.AddWindowInFront(kFrontEnd, 999, "Front End");
    Form_Load(platform.Parts());
    std::vector<std::string> expected = LaunchOutline(kStandardExe);
    expected[1] = "Sleep 1500";  // behind for 1000 ms
    expected.insert(expected.begin() + 2, {"BringToFront 1280", "Sleep 500"});
    EXPECT_EQ(platform.LogWithoutKeys(), expected);
    EXPECT_EQ(platform.keyEvents, KeysOfSteps(StepsThatRun()));
}

TEST_F(Form1Test, AFocusMovingBetweenTwoEmulatorWindowsDoesNotStopTheLaunch) {
    Configure(GameRow({}), false, true);
    platform.AfterStep("StartUpSequence", [this] {
        platform.foreground = 0;
        platform.At(platform.now + 50, [this] { platform.foreground = kEmulatorWindow; });
    });
    EXPECT_EQ(Form_Load(platform.Parts()), LaunchResult::kLaunched);
    EXPECT_EQ(platform.keyEvents, KeysOfSteps(StepsThatRun()));
}

// ----- the guard: what stops a launch, and how the emulator is then closed -----

enum class Closing { kAltF4, kCloseCommand, kEnded, kLeftOpen };

struct GuardCase {
    const char* name;
    void (*arrange)(RecordingPlatform&);
    const char* stop;  // part of the box's text; empty when the exit key ends the launch
    Closing closing;
};

void PrintTo(const GuardCase& c, std::ostream* out) {
    *out << c.name;
}

void FrontEndInFront(RecordingPlatform& platform) {
    platform.AddWindowInFront(kFrontEnd, 999, "Front End");
}

// In front, and Windows refuses to put the emulator before it.
void FrontEndKeepsTheForeground(RecordingPlatform& platform) {
    FrontEndInFront(platform);
    platform.foregroundLocked = true;
}

class Form1GuardTest : public Form1Test, public ::testing::WithParamInterface<GuardCase> {};

// After the change a row makes, no key but the closing Alt+F4.
TEST_P(Form1GuardTest, StopsBeforeAKeyCouldGoAstrayAndClosesOnlyTheEmulator) {
    const GuardCase& c = GetParam();
    WriteConfig({.lines = {{kCpuSpeedOption, " 102 "}, {kShowFpsOption, "1"}}, .games = {{}}});
    c.arrange(platform);
    try {
        EXPECT_EQ(Form_Load(platform.Parts()), LaunchResult::kExitKey);
        EXPECT_STREQ(c.stop, "");
    } catch (const FatalError& error) {
        EXPECT_EQ(error.number(), kDeviceUnavailable);
        EXPECT_STRNE(c.stop, "");
        EXPECT_NE(error.description().find(c.stop), std::string::npos) << error.description();
    }
    const std::vector<KeyEvent> altF4 = {
        {18, 0, 0, 0}, {115, 0, 0, 0}, {18, 0, 2, 0}, {115, 0, 2, 0}};
    const std::vector<KeyEvent> afterChange(
        platform.keyEvents.begin() + platform.keyEventsAtLastChange, platform.keyEvents.end());
    EXPECT_EQ(afterChange, c.closing == Closing::kAltF4 ? altF4 : std::vector<KeyEvent>{});
    EXPECT_EQ(platform.closedWindows, c.closing == Closing::kCloseCommand
                                          ? std::vector<WindowHandle>{kEmulatorWindow}
                                          : std::vector<WindowHandle>{});
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "EndProgram"),
              c.closing == Closing::kEnded ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Stops, Form1GuardTest,
    ::testing::Values(
        GuardCase{"ExitKeyHeldAtTheStart", HoldEscape, "", Closing::kLeftOpen},
        GuardCase{"ExitKeyTappedInTheFirstPause",
                  [](RecordingPlatform& p) {
                      p.At(100, [&p] { HoldEscape(p); });
                      p.At(200, [&p] { p.keyStates.clear(); });
                  },
                  "", Closing::kAltF4},
        GuardCase{
            "ExitKeyWhileTheDriveDialogOpens",
            [](RecordingPlatform& p) { p.AfterStep("StartUpSequence", [&p] { HoldEscape(p); }); },
            "", Closing::kAltF4},
        GuardCase{"ExitKeyBetweenTwoSpeedKeys",
                  [](RecordingPlatform& p) {
                      p.AfterStep(
                          "PlaceEmulatorWindow", [&p] { HoldEscape(p); }, 1);
                  },
                  "", Closing::kAltF4},
        GuardCase{"ExitKeyWhileWaitingForTheWindow",
                  [](RecordingPlatform& p) {
                      FrontEndKeepsTheForeground(p);
                      p.At(3000, [&p] { HoldEscape(p); });
                  },
                  "", Closing::kCloseCommand},
        GuardCase{"EmulatorEndsAtOnce",
                  [](RecordingPlatform& p) {
                      FrontEndInFront(p);
                      p.programExitCode = 0xC0000135;
                  },
                  "zentavio.exe ended with exit code 3221225781 (0xC0000135)", Closing::kLeftOpen},
        GuardCase{"EmulatorShowsNoWindow",
                  [](RecordingPlatform& p) {
                      FrontEndInFront(p);
                      p.windows[kEmulatorWindow].visible = false;
                  },
                  "showed no window within 10 seconds, so it was ended", Closing::kEnded},
        GuardCase{"EmulatorWindowNeverInFront", FrontEndKeepsTheForeground,
                  "(the window \"Front End\" kept the focus), so nothing was typed and the "
                  "emulator was closed",
                  Closing::kCloseCommand},
        GuardCase{"FocusTakenBeforeTheSpeedKeys",
                  [](RecordingPlatform& p) {
                      p.AfterStep("PlaceEmulatorWindow", [&p] { FrontEndInFront(p); });
                  },
                  "no key reached the window \"Front End\"", Closing::kCloseCommand},
        GuardCase{"FocusTakenBetweenTwoSpeedKeys",
                  [](RecordingPlatform& p) {
                      p.AfterStep(
                          "PlaceEmulatorWindow", [&p] { FrontEndInFront(p); }, 1);
                  },
                  "no key reached the window \"Front End\"", Closing::kCloseCommand},
        GuardCase{"EmulatorCrashesDuringTheLaunch",
                  [](RecordingPlatform& p) {
                      p.AfterStep("SelectDrive", [&p] {
                          p.programExitCode = 5;
                          p.AddWindowInFront(0x700, 0, "");
                      });
                  },
                  "The emulator ended during the launch with exit code 5", Closing::kLeftOpen}),
    [](const auto& info) { return std::string(info.param.name); });

class Timer1Test : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        Launch.EmulatorProcess = RecordingPlatform::kStartedProcess;
        PutEmulatorWindowInFront(platform);
    }
};

// Held: bit 0x1000 of the state word, toggled or not.
TEST_F(Timer1Test, SeesTheExitKeyHeldByBit0x1000) {
    for (const auto& [state, held] : {std::pair<std::uint16_t, bool>{0xFF80, true},
                                      {0xFF81, true},
                                      {0x0000, false},
                                      {0x0001, false}}) {
        SCOPED_TRACE(state);
        platform.keyStates[27] = state;
        EXPECT_EQ(Timer1_Timer(platform.Parts()), held);
    }
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(Timer1Test, ReadsTheExitKeyStoredAsText) {
    Config.ExitKeyCode = std::string("112");
    platform.keyStates[112] = 0xFF80;
    EXPECT_TRUE(Timer1_Timer(platform.Parts()));
}

// The launcher goes on watching, but the next game may be launched meanwhile.
TEST_F(Timer1Test, AnEmulatorClosedByOtherMeansEndsTheLaunchButNotTheWatch) {
    platform.launchHeld = true;
    EXPECT_FALSE(Timer1_Timer(platform.Parts()));
    platform.programExitCode = 0;
    platform.now = kEmulatorEndCheckInterval - 1;
    EXPECT_FALSE(Timer1_Timer(platform.Parts()));
    EXPECT_TRUE(platform.launchHeld) << "looked again before its time";
    platform.now = kEmulatorEndCheckInterval;
    EXPECT_FALSE(Timer1_Timer(platform.Parts()));
    EXPECT_FALSE(platform.launchHeld);
    EXPECT_TRUE(platform.log.empty());
}

// ----- the exit key ends the game, whatever the emulator shows -----

struct ClosingCase {
    const char* name;
    void (*arrange)(RecordingPlatform&);
    long altF4Chords;
    std::size_t closeCommands;
    bool endedByForce;
    std::uint64_t closedAt;  // milliseconds after the exit key was seen
};

void PrintTo(const ClosingCase& c, std::ostream* out) {
    *out << c.name;
}

class ClosingTest : public Timer1Test, public ::testing::WithParamInterface<ClosingCase> {};

// Another program in front never gets a key; the emulator is closed all the
// same, 500 ms after the key, again each second while it runs, and ended 5 s
// after the exit key.
TEST_P(ClosingTest, ReturnsOnlyOnceTheEmulatorHasEnded) {
    const ClosingCase& c = GetParam();
    c.arrange(platform);
    CloseEmulatorForExit(platform, platform, platform, platform);
    EXPECT_EQ(platform.log.front(), "Sleep 500");
    EXPECT_TRUE(platform.programExitCode.has_value()) << "the emulator was left running";
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "down 115"), c.altF4Chords);
    EXPECT_EQ(platform.closedWindows.size(), c.closeCommands);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "EndProgram"),
              c.endedByForce ? 1 : 0);
    EXPECT_EQ(platform.now, c.closedAt);
}

INSTANTIATE_TEST_SUITE_P(
    Emulators, ClosingTest,
    ::testing::Values(
        ClosingCase{"ClosesOnAltF4", [](RecordingPlatform&) {}, 1, 0, false, 500},
        ClosingCase{"ABoxOfItsOwnTakesTheFirstClose",
                    [](RecordingPlatform& p) { p.closesIgnored = 1; }, 2, 0, false, 1500},
        ClosingCase{"AQuitQuestionNobodyAnswers",
                    [](RecordingPlatform& p) { p.closesIgnored = 100; }, 5, 0, true, 5000},
        ClosingCase{"AnotherWindowInFront", FrontEndInFront, 0, 1, false, 500},
        ClosingCase{"AnotherWindowInFrontAndAQuestion",
                    [](RecordingPlatform& p) {
                        FrontEndInFront(p);
                        p.closesIgnored = 100;
                    },
                    0, 5, true, 5000},
        ClosingCase{"NoWindowToClose",
                    [](RecordingPlatform& p) {
                        FrontEndInFront(p);
                        p.windows[kEmulatorWindow].visible = false;
                    },
                    0, 0, true, 500},
        ClosingCase{"ClosedByOtherMeansBefore", [](RecordingPlatform& p) { p.programExitCode = 0; },
                    0, 0, false, 500}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zent::testing
