#include <gtest/gtest.h>

#include <algorithm>

#include "emulator_model.h"
#include "game_rows.h"
#include "launch/emulator_window.h"
#include "launch/form1.h"
#include "launch/launch_state.h"
#include "launch_fixture.h"
#include "stand_in_controls.h"
#include "startup/command_line.h"
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

std::vector<std::string> LaunchPrefix(const std::string& exe) {
    return {
        std::string("ChangeCurrentFolder ") + kFolder,
        std::string("CopyFileOver ") + kFolder + "\\tempavio.cfg > " + kFolder + "\\zentavio.cfg",
        "StartProgram " + exe + " show 1", "Sleep 500"};
}

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

    // The launch's pauses and outside effects, without its keys.
    static std::vector<std::string> LaunchOutline(const std::string& exe) {
        std::vector<std::string> outline = LaunchPrefix(exe);
        outline.insert(outline.end(), {"Sleep 100", "Sleep 100", "StartTimer 1"});
        return outline;
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
    std::string exe;
    std::vector<std::string> reactions;  // of the emulator's menus, in order
};

void PrintTo(const OptionCase& c, std::ostream* out) {
    *out << c.name;
}

class Form1OptionTest : public Form1Test, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(Form1OptionTest, RunsTheStepsOfTheOptionsInTheFixedOrder) {
    const OptionCase& c = GetParam();
    Configure(c.game, c.highPriority, c.showFps);
    GameName = "Space Race";
    Form_Load(platform);
    EXPECT_EQ(EmulatorReactions(platform.keyEvents), c.reactions);
    EXPECT_EQ(platform.LogWithoutKeys(), LaunchOutline(c.exe));
    ExpectFullScreen();
}

INSTANTIATE_TEST_SUITE_P(
    Options, Form1OptionTest,
    ::testing::Values(
        OptionCase{"nothing",
                   GameRow({}),
                   false,
                   true,
                   kStandardExe,
                   {kDriveDialog, "drive D", kStartGame}},
        OptionCase{
            "everything",
            GameRow({.renderer = "1", .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}}),
            true,
            false,
            kStandardExe,
            {kDriveDialog, "drive D", kCapcom, kFps, kNtsc, kZWrite, kZWriteAlpha, kHighPriority,
             kStartGame}},
        OptionCase{"fps off",
                   GameRow({}),
                   false,
                   false,
                   kStandardExe,
                   {kDriveDialog, "drive D", kFps, kStartGame}},
        OptionCase{"capcom",
                   GameRow({.driveKey = "69", .renderer = "1"}),
                   false,
                   true,
                   kStandardExe,
                   {kDriveDialog, "drive E", kCapcom, kStartGame}},
        OptionCase{"old gfx capcom",
                   GameRow({.driveKey = "69", .renderer = "3"}),
                   false,
                   true,
                   kOldGfxExe,
                   {kDriveDialog, "drive E", kCapcom, kStartGame}},
        OptionCase{"old gfx",
                   GameRow({.driveKey = "69", .renderer = "2"}),
                   false,
                   true,
                   kOldGfxExe,
                   {kDriveDialog, "drive E", kStartGame}},
        OptionCase{"ntsc",
                   GameRow({.spelled = {{kGameNtscMode, "true"}}}),
                   false,
                   true,
                   kStandardExe,
                   {kDriveDialog, "drive D", kNtsc, kStartGame}},
        OptionCase{"z-writing",
                   GameRow({.spelled = {{kGameZWriting, "TRUE"}}}),
                   false,
                   true,
                   kStandardExe,
                   {kDriveDialog, "drive D", kZWrite, kStartGame}},
        OptionCase{"alpha z-writing",
                   GameRow({.spelled = {{kGameAlphaZWriting, "-1"}}}),
                   false,
                   true,
                   kStandardExe,
                   {kDriveDialog, "drive D", kZWriteAlpha, kStartGame}},
        OptionCase{"high priority",
                   GameRow({}),
                   true,
                   true,
                   kStandardExe,
                   {kDriveDialog, "drive D", kHighPriority, kStartGame}},
        OptionCase{
            "ntsc before z-writing",
            GameRow({.renderer = "2", .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}}),
            true,
            true,
            kOldGfxExe,
            {kDriveDialog, "drive D", kNtsc, kZWrite, kZWriteAlpha, kHighPriority, kStartGame}}),
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
    Form_Load(platform);
    EXPECT_EQ(platform.log[2], "StartProgram " + GetParam().exe + " show 1");
    EXPECT_EQ(CapcomHack, GetParam().capcomHack);
    EXPECT_EQ(EmulatorProcess, RecordingPlatform::kStartedProcess);
}

INSTANTIATE_TEST_SUITE_P(Renderers, Form1RendererTest,
                         ::testing::Values(RendererCase{"0", kStandardExe, false},
                                           RendererCase{"1", kStandardExe, true},
                                           RendererCase{"2", kOldGfxExe, false},
                                           RendererCase{"3", kOldGfxExe, true}));

// The speed keys reach the game window: it is placed before the first of them.
TEST_F(Form1Test, SetsTheCpuSpeedLastAfterThePlacement) {
    WriteConfig({.lines = {{kCpuSpeedOption, " 102 "}, {kShowFpsOption, "1"}}, .games = {{}}});
    bool placedBeforeSpeedKeys = false;
    platform.AfterKeyEvents(21, [this, &placedBeforeSpeedKeys] {
        placedBeforeSpeedKeys = platform.windows[kEmulatorWindow].topmost;
    });
    Form_Load(platform);
    EXPECT_TRUE(placedBeforeSpeedKeys);
    const auto reactions = EmulatorReactions(platform.keyEvents);
    EXPECT_EQ(std::vector<std::string>(reactions.end() - 3, reactions.end()),
              (std::vector<std::string>{kStartGame, "speed 101", "speed 102"}));
    const auto outline = platform.LogWithoutKeys();
    EXPECT_EQ(std::vector<std::string>(outline.end() - 3, outline.end()),
              (std::vector<std::string>{"Sleep 1", "Sleep 1", "StartTimer 1"}));
}

struct RecordingTrace : TraceSink {
    std::vector<std::string> events;
    void Append(const std::string& event) noexcept override { events.push_back(event); }
};

TEST_F(Form1Test, TheTraceTellsEachEventOfALaunchWithItsKeys) {
    WriteConfig({.lines = {{kHighPriorityOption, "1"}, {kCpuSpeedOption, " 102 "}},
                 .games = {kSpaceRaceGame}});
    RecordingTrace trace;
    SetTraceSink(&trace);
    Form_Load(platform);
    SetTraceSink(nullptr);
    EXPECT_EQ(trace.events,
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
                  "SetCpuSpeed: Num+ Num+", "the launch is done; watching the exit key"}));
}

TEST_F(Form1Test, AGameNotConfiguredEndsTheProcessBeforeAnythingIsCopiedOrStarted) {
    Configure(GameRow({}), false, true);
    GameName = "SPACE RAC";
    EXPECT_THROW(Form_Load(platform), ProcessEnded);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"EndProcess"}));
}

TEST_F(Form1Test, ABadRecordStartsNothing) {
    for (const std::string& game :
         {GameRow({.renderer = "7"}), GameRow({.driveKey = "E"}), GameRow({.driveKey = "300"}),
          GameRow({.spelled = {{kGameAlphaZWriting, "Maybe"}}})}) {
        SCOPED_TRACE(game);
        Configure(game, false, true);
        EXPECT_THROW(Form_Load(platform), FatalError);
        EXPECT_TRUE(platform.log.empty()) << platform.log.front();
    }
}

TEST_F(Form1Test, AMissingEmulatorFailsNamingItsPathAndSendsNoKey) {
    Configure(GameRow({.renderer = "2"}), false, true);
    platform.programs = {kStandardExe};
    try {
        Form_Load(platform);
        FAIL() << "started a missing program";
    } catch (const FatalError& error) {
        EXPECT_NE(error.description().find(kOldGfxExe), std::string::npos);
    }
    std::vector<std::string> expected = LaunchPrefix(kOldGfxExe);
    expected.pop_back();  // no pause for a program never started
    EXPECT_EQ(platform.log, expected);
}

TEST_F(Form1Test, AnExitKeyThatNoKeyProducesStartsNothing) {
    for (const char* exitKey : {"99999999999", "256", "-5", "255"}) {
        SCOPED_TRACE(exitKey);
        WriteConfig({.lines = {{kExitKeyOption, exitKey}, {kShowFpsOption, "1"}}, .games = {{}}});
        try {
            Form_Load(platform);
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

// A large saved configuration takes a while to copy; the exit key held
// meanwhile ends the launcher as before the copy, with nothing started.
TEST_F(Form1Test, AnExitKeyHeldDuringTheCopyStopsItAndStartsNothing) {
    Configure(GameRow({}), false, true);
    platform.duringCopy = [this] { HoldEscape(platform); };
    EXPECT_THROW(Form_Load(platform), ProcessEnded);
    std::vector<std::string> expected = LaunchPrefix(kStandardExe);
    expected.resize(2);  // the folder changed and the copy begun
    expected.insert(expected.end(), {"CopyFileOver stopped", "Sleep 500", "EndProcess"});
    EXPECT_EQ(platform.log, expected);
}

TEST_F(Form1Test, ASecondLaunchFromTheFolderEndsBeforeAnything) {
    Configure(GameRow({}), false, true);
    platform.anotherLaunchRuns = true;
    EXPECT_THROW(Form_Load(platform), ProcessEnded);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"EndProcess"}));
}

TEST_F(Form1Test, AWindowThatComesLateGetsHalfASecondBeforeTheFirstKey) {
    Configure(GameRow({}), false, true);
    platform.AddWindowInFront(kFrontEnd, 999, "Front End");
    platform.windows[kEmulatorWindow].visible = false;
    platform.At(2000, [this] {
        platform.windows[kEmulatorWindow].visible = true;
        platform.foreground = kEmulatorWindow;
    });
    Form_Load(platform);
    std::vector<std::string> expected = LaunchOutline(kStandardExe);
    expected[3] = "Sleep 2500";  // in front at 2000 ms, 500 ms to settle
    EXPECT_EQ(platform.LogWithoutKeys(), expected);
    EXPECT_EQ(EmulatorReactions(platform.keyEvents),
              (std::vector<std::string>{kDriveDialog, "drive D", kStartGame}));
}

// Windows may keep a program's first window behind the front end that is in
// front; the launcher passes its right to the foreground on, and uses it once.
TEST_F(Form1Test, AWindowKeptBehindTheFrontEndIsBroughtToTheFrontOnceAfterASecond) {
    Configure(GameRow({}), false, true);
    platform.AddWindowInFront(kFrontEnd, 999, "Front End");
    Form_Load(platform);
    std::vector<std::string> expected = LaunchOutline(kStandardExe);
    expected[3] = "Sleep 1500";  // behind for 1000 ms
    expected.insert(expected.begin() + 4, {"BringToFront 1280", "Sleep 500"});
    EXPECT_EQ(platform.LogWithoutKeys(), expected);
    EXPECT_EQ(EmulatorReactions(platform.keyEvents),
              (std::vector<std::string>{kDriveDialog, "drive D", kStartGame}));
}

TEST_F(Form1Test, AFocusMovingBetweenTwoEmulatorWindowsDoesNotStopTheLaunch) {
    Configure(GameRow({}), false, true);
    platform.AfterKeyEvents(4, [this] {
        platform.foreground = 0;
        platform.At(platform.now + 50, [this] { platform.foreground = kEmulatorWindow; });
    });
    Form_Load(platform);
    EXPECT_EQ(platform.keyEvents.size(), 20u);
    EXPECT_EQ(platform.log.back(), "StartTimer 1");
}

// ----- the guard: what stops a launch, and how the emulator is then closed -----

enum class Closing { kAltF4, kCloseCommand, kEnded, kLeftOpen };

struct GuardCase {
    const char* name;
    void (*arrange)(RecordingPlatform&);
    const char* stop;       // part of the box's text; empty when the launcher ends without one
    std::size_t keyEvents;  // injected before the stop
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

// The run: StartUpSequence 10 key events, SelectDrive 4, InitGame 6, two speed keys 4.
TEST_P(Form1GuardTest, StopsBeforeAKeyCouldGoAstrayAndClosesOnlyTheEmulator) {
    const GuardCase& c = GetParam();
    WriteConfig({.lines = {{kCpuSpeedOption, " 102 "}, {kShowFpsOption, "1"}}, .games = {{}}});
    c.arrange(platform);
    try {
        Form_Load(platform);
        FAIL() << "the launch ran to its end";
    } catch (const ProcessEnded&) {
        EXPECT_STREQ(c.stop, "");
    } catch (const FatalError& error) {
        EXPECT_EQ(error.number(), kDeviceUnavailable);
        EXPECT_STRNE(c.stop, "");
        EXPECT_NE(error.description().find(c.stop), std::string::npos) << error.description();
    }
    const std::vector<KeyEvent> altF4 = {
        {18, 0, 0, 0}, {115, 0, 0, 0}, {18, 0, 2, 0}, {115, 0, 2, 0}};
    ASSERT_GE(platform.keyEvents.size(), c.keyEvents);
    const std::vector<KeyEvent> afterStop(platform.keyEvents.begin() + c.keyEvents,
                                          platform.keyEvents.end());
    EXPECT_EQ(afterStop, c.closing == Closing::kAltF4 ? altF4 : std::vector<KeyEvent>{});
    EXPECT_EQ(platform.closedWindows, c.closing == Closing::kCloseCommand
                                          ? std::vector<WindowHandle>{kEmulatorWindow}
                                          : std::vector<WindowHandle>{});
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "EndProgram"),
              c.closing == Closing::kEnded ? 1 : 0);
    if (c.keyEvents == 0) {
        EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "ShowBackdrop"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stops, Form1GuardTest,
    ::testing::Values(
        GuardCase{"ExitKeyHeldAtTheStart", HoldEscape, "", 0, Closing::kLeftOpen},
        GuardCase{"ExitKeyTappedInTheFirstPause",
                  [](RecordingPlatform& p) {
                      p.At(100, [&p] { HoldEscape(p); });
                      p.At(200, [&p] { p.keyStates.clear(); });
                  },
                  "", 0, Closing::kAltF4},
        GuardCase{"ExitKeyWhileTheDriveDialogOpens",
                  [](RecordingPlatform& p) { p.AfterKeyEvents(10, [&p] { HoldEscape(p); }); }, "",
                  10, Closing::kAltF4},
        GuardCase{"ExitKeyBetweenTwoSpeedKeys",
                  [](RecordingPlatform& p) { p.AfterKeyEvents(22, [&p] { HoldEscape(p); }); }, "",
                  22, Closing::kAltF4},
        GuardCase{"ExitKeyWhileWaitingForTheWindow",
                  [](RecordingPlatform& p) {
                      FrontEndKeepsTheForeground(p);
                      p.At(3000, [&p] { HoldEscape(p); });
                  },
                  "", 0, Closing::kCloseCommand},
        GuardCase{"EmulatorEndsAtOnce",
                  [](RecordingPlatform& p) {
                      FrontEndInFront(p);
                      p.programExitCode = 0xC0000135;
                  },
                  "zentavio.exe ended with exit code 3221225781 (0xC0000135)", 0,
                  Closing::kLeftOpen},
        GuardCase{"EmulatorShowsNoWindow",
                  [](RecordingPlatform& p) {
                      FrontEndInFront(p);
                      p.windows[kEmulatorWindow].visible = false;
                  },
                  "showed no window within 10 seconds, so it was ended", 0, Closing::kEnded},
        GuardCase{"EmulatorWindowNeverInFront", FrontEndKeepsTheForeground,
                  "(the window \"Front End\" kept the focus), so nothing was typed and the "
                  "emulator was closed",
                  0, Closing::kCloseCommand},
        GuardCase{"FocusTakenAfterTheFirstChord",
                  [](RecordingPlatform& p) { p.AfterKeyEvents(4, [&p] { FrontEndInFront(p); }); },
                  "no key reached the window \"Front End\"", 4, Closing::kCloseCommand},
        GuardCase{"FocusTakenBeforeTheSpeedKeys",
                  [](RecordingPlatform& p) { p.AfterKeyEvents(20, [&p] { FrontEndInFront(p); }); },
                  "no key reached the window \"Front End\"", 20, Closing::kCloseCommand},
        GuardCase{"EmulatorCrashesDuringTheLaunch",
                  [](RecordingPlatform& p) {
                      p.AfterKeyEvents(14, [&p] {
                          p.programExitCode = 5;
                          p.AddWindowInFront(0x700, 0, "");
                      });
                  },
                  "The emulator ended during the launch with exit code 5", 14, Closing::kLeftOpen}),
    [](const auto& info) { return std::string(info.param.name); });

class Timer1Test : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        EmulatorProcess = RecordingPlatform::kStartedProcess;
        PutEmulatorWindowInFront(platform);
        platform.timerRunning = true;
    }
};

TEST_F(Timer1Test, AHeldExitKeyClosesTheEmulatorWithAltF4AfterHalfASecondAndEnds) {
    for (const std::uint16_t held : {0xFF80, 0xFF81}) {
        SCOPED_TRACE(held);
        PutEmulatorWindowInFront(platform);
        platform.programExitCode.reset();
        platform.log.clear();
        platform.keyStates[27] = held;
        EXPECT_THROW(Timer1_Timer(platform), ProcessEnded);
        EXPECT_EQ(platform.log,
                  (std::vector<std::string>{"Sleep 500", "down 18", "down 115", "up 18", "up 115",
                                            "AwaitProgramEnd 0", "EndProcess"}));
    }
}

TEST_F(Timer1Test, AKeyThatIsUpDoesNothingToggledOrNot) {
    for (const std::uint16_t up : {0x0000, 0x0001}) {
        SCOPED_TRACE(up);
        platform.keyStates[27] = up;
        Timer1_Timer(platform);
        EXPECT_TRUE(platform.log.empty());
    }
}

TEST_F(Timer1Test, ReadsTheExitKeyStoredAsText) {
    ExitKeyCode = std::string("112");
    platform.keyStates[112] = 0xFF80;
    EXPECT_THROW(Timer1_Timer(platform), ProcessEnded);
}

TEST_F(Timer1Test, AnExitKeyThatIsNoKeyCodeFailsWithoutAKey) {
    ExitKeyCode = std::string("Esc");
    EXPECT_THROW(Timer1_Timer(platform), FatalError);
    EXPECT_TRUE(platform.log.empty());
}

// ----- the exit key ends the game, whatever the emulator shows -----

struct ClosingCase {
    const char* name;
    void (*arrange)(RecordingPlatform&);
    long altF4Chords;
    std::size_t closeCommands;
    bool endedByForce;
    std::uint64_t launcherEndsAt;  // milliseconds after the exit key was seen
};

void PrintTo(const ClosingCase& c, std::ostream* out) {
    *out << c.name;
}

class ClosingTest : public Timer1Test, public ::testing::WithParamInterface<ClosingCase> {};

// Another program in front never gets a key; the emulator is closed all the
// same, again each second while it runs, and ended 5 s after the exit key.
TEST_P(ClosingTest, TheLauncherEndsOnlyOnceTheEmulatorHasEnded) {
    const ClosingCase& c = GetParam();
    c.arrange(platform);
    platform.keyStates[27] = 0xFF80;
    EXPECT_THROW(Timer1_Timer(platform), ProcessEnded);
    EXPECT_TRUE(platform.programExitCode.has_value()) << "the emulator was left running";
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "down 115"), c.altF4Chords);
    EXPECT_EQ(platform.closedWindows.size(), c.closeCommands);
    EXPECT_EQ(std::count(platform.log.begin(), platform.log.end(), "EndProgram"),
              c.endedByForce ? 1 : 0);
    EXPECT_EQ(platform.now, c.launcherEndsAt);
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

// The launcher goes on watching, but the next game may be launched meanwhile.
TEST_F(Timer1Test, AnEmulatorClosedByOtherMeansEndsTheLaunchButNotTheWatch) {
    platform.launchHeld = true;
    Timer1_Timer(platform);
    EXPECT_TRUE(platform.launchHeld) << "released while the emulator runs";
    platform.programExitCode = 0;
    Emulator_Ended(platform);
    EXPECT_FALSE(platform.launchHeld);
    EXPECT_TRUE(platform.timerRunning);
    EXPECT_TRUE(platform.log.empty());
}

}  // namespace
}  // namespace zent::testing
