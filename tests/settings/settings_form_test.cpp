#include <gtest/gtest.h>

#include "text_expectations.h"
#include "settings/settings_layout.h"
#include "settings_fixture.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/latin1_ansi.h"

namespace zent::testing {
namespace {

// The game that the tests of a failed save and of Test Game add.
const TestGame kNewOne = {.name = "NEW ONE", .driveKey = "81", .renderer = "3"};

struct PathCase {
    const char* path;
    const char* name;
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.path));
}

class GameNameFromPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(GameNameFromPathTest, TakesTheFileNameBeforeItsFirstDotTrimmedAndUpperCased) {
    EXPECT_EQ(GameNameFromPath(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, GameNameFromPathTest,
    ::testing::Values(PathCase{"D:\\Images\\Space Race.Disc1.iso", "SPACE RACE"},
                      PathCase{"C:\\Images\\GAME", "GAME"},
                      PathCase{"C:\\Images\\Space.Race.Disc1.iso", "SPACE"},
                      PathCase{"C:\\images\\road fight.iso", "ROAD FIGHT"},
                      PathCase{"C:\\Images\\Race .iso", "RACE"},
                      PathCase{"C:\\Images\\ Moon.iso", "MOON"},
                      PathCase{"C:\\Images\\  Space Race  .iso", "SPACE RACE"},
                      PathCase{"C:\\Images\\ .iso", ""}, PathCase{"C:\\Images\\.iso", ""},
                      PathCase{"C:\\Images.d\\game", "GAME"}, PathCase{"C:\\Images\\", ""}));

struct CpuTextCase {
    double speed;
    char systemSeparator;
    const char* shown;
};

void PrintTo(const CpuTextCase& c, std::ostream* out) {
    *out << c.speed << " with separator '" << c.systemSeparator << "'";
}

class CpuSpeedTextTest : public FreshGlobalsTest,
                         public ::testing::WithParamInterface<CpuTextCase> {};

TEST_P(CpuSpeedTextTest, ShowsAPointWhateverTheLocale) {
    CurrentTextLocale().decimalSeparator = GetParam().systemSeparator;
    EXPECT_EQ(CpuSpeedText(GetParam().speed), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Speeds, CpuSpeedTextTest,
                         ::testing::Values(CpuTextCase{100, '.', "100"},
                                           CpuTextCase{87.5, '.', "87.5"},
                                           CpuTextCase{87.5, ',', "87.5"}, CpuTextCase{0, ',', "0"},
                                           CpuTextCase{-12.25, ',', "-12.25"}));

using SettingsFormTest = SettingsFixture;

TEST_F(SettingsFormTest, LoadShowsTheOptionsAndTheGamesInFileOrder) {
    TestGame zulu = kSpaceRaceGame;
    zulu.name = "ZULU";
    TestGame spaceRace = kRoadFightGame;
    spaceRace.name = "SPACE RACE";
    Open(ConfigText({.lines = {{kHighPriorityOption, "1"}, {kCpuSpeedOption, " 87.5 "}},
                     .games = {zulu, spaceRace, kAlphaGame}}));
    EXPECT_EQ(settingsView.Text(kExitKeyOption), "27");
    EXPECT_EQ(settingsView.Text(kCpuSpeedOption), "87.5");
    EXPECT_FALSE(settingsView.Ticked(kShowFpsOption));
    EXPECT_TRUE(settingsView.Ticked(kHighPriorityOption));
    EXPECT_EQ(settingsView.rows,
              (std::vector<std::string>{GameRow(zulu), GameRow(spaceRace), GameRow(kAlphaGame)}));
    EXPECT_EQ(settingsView.selected, -1);
}

TEST_F(SettingsFormTest, LoadOfNoGamesShowsAnEmptyListAndTheDefaultExitKey) {
    Open(ThreeGamesWith({{kExitKeyOption, "0"}}, {}));
    EXPECT_EQ(settingsView.Text(kExitKeyOption), "27");
    EXPECT_EQ(settingsView.Text(kCpuSpeedOption), "100");
    EXPECT_TRUE(settingsView.Ticked(kShowFpsOption));
    EXPECT_TRUE(settingsView.rows.empty());
}

TEST_F(SettingsFormTest, SaveAndExitWritesTheControlsThenEndsTheProgram) {
    Open(kThreeGames);
    settingsView.Text(kExitKeyOption) = "113";
    settingsView.Text(kCpuSpeedOption) = "87.5";
    settingsView.Ticked(kShowFpsOption) = false;
    settingsView.Ticked(kHighPriorityOption) = true;
    settingsView.values.options[kDisplayOption] = DisplayChoice{2};
    SaveAndExit();
    EXPECT_EQ(SavedConfig(), ThreeGamesWith({{kExitKeyOption, "113"},
                                             {kCpuSpeedOption, " 87.5 "},
                                             {kShowFpsOption, "0"},
                                             {kHighPriorityOption, "1"},
                                             {kDisplayOption, "2"}}));
    EXPECT_EQ(windows.events, std::vector<std::string>{"writes=1 EndProgram"});
}

TEST_F(SettingsFormTest, SavingWithoutEditsGivesBackTheSameFile) {
    Open(kThreeGames);
    SaveAndExit();
    EXPECT_EQ(SavedConfig(), kThreeGames);
}

// A save that fails writes nothing and keeps the window as the player left it,
// so that the player can remove the cause and save again.
struct FailedSaveCase {
    const char* name;
    bool testGame;
    MemoryFileSystem::Faults faults;
    ErrorNumber number;
};

void PrintTo(const FailedSaveCase& c, std::ostream* out) {
    *out << c.name;
}

class FailedSaveTest : public SettingsFixture,
                       public ::testing::WithParamInterface<FailedSaveCase> {
protected:
    // The button's click; a Save and Exit that succeeds ends here.
    void Press() {
        try {
            if (GetParam().testGame) {
                settings.cmdTest_Click();
            } else {
                settings.cmdOk_Click();
            }
        } catch (const ProgramEnded&) {
        }
    }
};

TEST_P(FailedSaveTest, ShowsTheErrorKeepsTheFileAndTheWindowAndSavesOnTheNextTry) {
    Open(kThreeGames);
    AddGame("C:\\Images\\New One.iso", 81, 3, {false, false, false});
    settingsView.Text(kCpuSpeedOption) = "150";
    settingsView.selected = 3;
    const FakeSettingsView before = settingsView;
    disk.faults = GetParam().faults;
    windows.events.clear();
    Press();
    ASSERT_EQ(windows.errors.size(), 1u);
    EXPECT_EQ(windows.errors[0].number(), GetParam().number);
    EXPECT_TRUE(Holds(windows.errors[0].description(), std::string(kConfigPath) + " is unchanged"));
    EXPECT_EQ(SavedConfig(), kThreeGames);
    EXPECT_EQ(disk.files.count(std::string(kConfigPath) + ".tmp"), 0u);
    // No end, no hiding, no launch: the box, then the window as it was.
    ASSERT_EQ(windows.events.size(), 1u);
    EXPECT_TRUE(windows.events[0].ends_with("ShowError")) << windows.events[0];
    EXPECT_EQ(settingsView.rows, before.rows);
    EXPECT_EQ(settingsView.values.options, before.values.options);
    EXPECT_EQ(settingsView.selected, before.selected);
    EXPECT_TRUE(windows.settingsVisible);

    disk.faults = {};
    Press();
    EXPECT_TRUE(windows.events.back().ends_with(GetParam().testGame ? "ShowLaunchForm NEW ONE"
                                                                    : "EndProgram"))
        << windows.events.back();
    EXPECT_EQ(SavedConfig(), ThreeGamesWith({{kCpuSpeedOption, " 150 "}},
                                            {kSpaceRaceGame, kRoadFightGame, kAlphaGame, kNewOne}));
    EXPECT_EQ(windows.errors.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedSaveTest,
    ::testing::Values(
        FailedSaveCase{"SaveAndExitOverAReadOnlyFile", false, {.replace = true}, kPermissionDenied},
        FailedSaveCase{"SaveAndExitOnAFullDisk", false, {.write = 0}, kDiskFull},
        FailedSaveCase{"TestGameOverAReadOnlyFile", true, {.replace = true}, kPermissionDenied}),
    [](const auto& info) { return std::string(info.param.name); });

struct CpuSaveCase {
    const char* typed;
    double saved;
};

void PrintTo(const CpuSaveCase& c, std::ostream* out) {
    *out << "typed " << ::testing::PrintToString(std::string(c.typed));
}

class CpuSpeedSaveTest : public SettingsFixture,
                         public ::testing::WithParamInterface<CpuSaveCase> {};

TEST_P(CpuSpeedSaveTest, StoresTheLeadingNumberOfTheText) {
    Open(kThreeGames);
    settingsView.Text(kCpuSpeedOption) = GetParam().typed;
    SaveAndExit();
    EXPECT_EQ(Config.CpuSpeed, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Texts, CpuSpeedSaveTest,
                         ::testing::Values(CpuSaveCase{"90", 90}, CpuSaveCase{"87.5", 87.5},
                                           CpuSaveCase{"150%", 150}, CpuSaveCase{"1 00", 100},
                                           CpuSaveCase{"abc", 0}, CpuSaveCase{"", 0},
                                           CpuSaveCase{"&H64", 100}));

// A text that is no key code is saved as typed only after a Yes.
struct ExitKeySaveCase {
    const char* typed;
    const char* firstLine;
    const char* reloaded;
    std::size_t asked;
};

void PrintTo(const ExitKeySaveCase& c, std::ostream* out) {
    *out << "typed " << ::testing::PrintToString(std::string(c.typed));
}

class ExitKeySaveTest : public SettingsFixture,
                        public ::testing::WithParamInterface<ExitKeySaveCase> {};

TEST_P(ExitKeySaveTest, StoresTheTextAsTypedAndTheNextLoadReadsIt) {
    Open(kThreeGames);
    settingsView.Text(kExitKeyOption) = GetParam().typed;
    windows.replies = {Reply::kYes};
    SaveAndExit();
    ASSERT_EQ(windows.questions.size(), GetParam().asked);
    for (const std::string& asked : windows.questions) {
        EXPECT_TRUE(Holds(asked, GetParam().typed) && Holds(asked, "Redefine")) << asked;
    }
    EXPECT_EQ(SavedConfig().substr(0, SavedConfig().find("\r\n")), GetParam().firstLine);
    LoadConfig();
    EXPECT_EQ(ExitKeyCodeText(), GetParam().reloaded);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExitKeySaveTest,
    ::testing::Values(ExitKeySaveCase{"113", "113", "113", 0}, ExitKeySaveCase{"65", "65", "65", 0},
                      ExitKeySaveCase{"A", "A", "27", 1}, ExitKeySaveCase{"F12", "F12", "27", 1},
                      ExitKeySaveCase{"0", "0", "27", 1}, ExitKeySaveCase{"", "", "27", 0}));

struct ExitKeyNameCase {
    const char* typed;
    const char* shown;
};

class ExitKeyNameTest : public SettingsFixture,
                        public ::testing::WithParamInterface<ExitKeyNameCase> {};

TEST_P(ExitKeyNameTest, NamesTheKeyALaunchWillUse) {
    Open(kThreeGames);
    settingsView.Text(kExitKeyOption) = GetParam().typed;
    settings.txtExitKey_Change();
    EXPECT_EQ(settingsView.exitKeyName, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, ExitKeyNameTest,
                         ::testing::Values(ExitKeyNameCase{"123", "F12"},
                                           ExitKeyNameCase{"101", "Num 5"},
                                           ExitKeyNameCase{"81", "Q"}, ExitKeyNameCase{"", "Esc"},
                                           ExitKeyNameCase{"7", "key code 7"},
                                           ExitKeyNameCase{"188", ","},
                                           ExitKeyNameCase{"F12", "No key code: Esc"},
                                           ExitKeyNameCase{"300", "No key code: no launch"}));

// Another program's change to the file is saved over only on Yes; No shows the
// file as it is now; a file gone is told. Nothing else is written.
struct ChangedFileCase {
    const char* name;
    bool gone;
    Reply reply;
    bool saved;     // this window's state is in the file
    bool reloaded;  // the window shows the other program's file
};

void PrintTo(const ChangedFileCase& c, std::ostream* out) {
    *out << c.name;
}

class ChangedFileTest : public SettingsFixture,
                        public ::testing::WithParamInterface<ChangedFileCase> {};

TEST_P(ChangedFileTest, AsksBeforeSavingOverIt) {
    Open(kThreeGames);
    settingsView.Text(kCpuSpeedOption) = "150";
    const std::string theirs =
        ThreeGamesWith({}, {kSpaceRaceGame, kRoadFightGame, kAlphaGame, kNewOne});
    if (GetParam().gone) {
        disk.files.erase(kConfigPath);
    } else {
        disk.files[kConfigPath] = theirs;
    }
    windows.replies = {GetParam().reply};
    try {
        settings.cmdOk_Click();
    } catch (const ProgramEnded&) {
    }
    EXPECT_EQ(windows.events.back().ends_with("EndProgram"), GetParam().saved);
    const auto& said = GetParam().gone ? windows.notices : windows.questions;
    ASSERT_EQ(windows.notices.size() + windows.questions.size(), said.size());
    ASSERT_EQ(said.size(), 1u);
    EXPECT_TRUE(Holds(said[0], kConfigPath)) << said[0];
    EXPECT_EQ(disk.files.count(kConfigPath), GetParam().gone ? 0u : 1u);
    if (!GetParam().gone) {
        EXPECT_EQ(SavedConfig(),
                  GetParam().saved ? ThreeGamesWith({{kCpuSpeedOption, " 150 "}}) : theirs);
    }
    EXPECT_EQ(settingsView.rows.size(), GetParam().reloaded ? 4u : 3u);
    EXPECT_EQ(settingsView.Text(kCpuSpeedOption), GetParam().reloaded ? "100" : "150");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ChangedFileTest,
    ::testing::Values(ChangedFileCase{"YesSavesOverIt", false, Reply::kYes, true, false},
                      ChangedFileCase{"NoLoadsItAndSavesNothing", false, Reply::kNo, false, true},
                      ChangedFileCase{"CancelSavesNothing", false, Reply::kCancel, false, false},
                      ChangedFileCase{"GoneIsToldAndSavesNothing", true, Reply::kYes, false,
                                      false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFormTest, AnEmptyListSavesNoGameLine) {
    Open(kThreeGames);
    for (int i = 0; i < 3; ++i) {
        settingsView.selected = 0;
        settings.cmdDelete_Click();
    }
    SaveAndExit();
    EXPECT_EQ(SavedConfig(), ThreeGamesWith({}, {}));
}

TEST_F(SettingsFormTest, DeletingTheSecondOfThreeAndAddingOneKeepsListOrder) {
    Open(kThreeGames);
    settingsView.selected = 1;
    settings.cmdDelete_Click();
    AddGame("C:\\Images\\mygame.iso", 68, 1, {true, false, true});
    SaveAndExit();
    EXPECT_EQ(SavedConfig(),
              ThreeGamesWith(
                  {}, {kSpaceRaceGame,
                       kAlphaGame,
                       {.name = "MYGAME", .renderer = "1", .on = {kGameZWriting, kGameNtscMode}}}));
}

TEST_F(SettingsFormTest, DeleteTwiceRemovesOnlyTheSelectedGame) {
    Open(kThreeGames);
    settingsView.selected = 0;
    settings.cmdDelete_Click();
    settings.cmdDelete_Click();
    EXPECT_EQ(settingsView.rows,
              (std::vector<std::string>{GameRow(kRoadFightGame), GameRow(kAlphaGame)}));
}

TEST_F(SettingsFormTest, DeleteWithoutSelectionDoesNothing) {
    Open(kThreeGames);
    settings.cmdDelete_Click();
    EXPECT_EQ(settingsView.rows.size(), 3u);
}

TEST_F(SettingsFormTest, CancelledFileDialogOpensNothingAndKeepsTheList) {
    Open(kThreeGames);
    Pending.NewGameName = "EARLIER";
    windows.chosenFiles = {};
    settings.cmdAdd_Click();
    EXPECT_EQ(windows.events, std::vector<std::string>{"writes=0 ChooseFiles"});
    EXPECT_EQ(Pending.NewGameName, "EARLIER");
    EXPECT_EQ(settingsView.rows.size(), 3u);
}

TEST_F(SettingsFormTest, AddGameUpperCasesTheNameAndWaitsForTheDriveKey) {
    Open(kThreeGames);
    Pending.ExitKeyCapture = true;
    Pending.NewGameDriveKey = std::int16_t{70};
    windows.chosenFiles = {"D:\\Images\\Moon Race.Disc1.iso"};
    settings.cmdAdd_Click();
    EXPECT_EQ(Pending.NewGameName, "MOON RACE");
    EXPECT_EQ(Pending.NewGameDriveKey, DriveKeyValue(std::string()));
    EXPECT_FALSE(Pending.ExitKeyCapture);
    EXPECT_TRUE(windows.keyBoxOpen);
}

// The name goes into the ANSI file (here Latin-1) and a launch looks it up: an
// empty one, or one the code page cannot hold, is refused with a notice, and
// nothing of the addition starts.
struct AddedNameCase {
    const char* path;
    const char* name;     // the name taken, or null when refused
    const char* refusal;  // what the notice says
};

void PrintTo(const AddedNameCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.path));
}

class AddGameNameTest : public SettingsFormTest,
                        public ::testing::WithParamInterface<AddedNameCase> {};

TEST_P(AddGameNameTest, TakesOnlyANameTheFileCanHoldAndALaunchCanFind) {
    Open(kThreeGames);
    UseLatin1AsAnsi();
    Pending.NewGameName = "EARLIER";
    windows.chosenFiles = {GetParam().path};
    settings.cmdAdd_Click();
    if (GetParam().name == nullptr) {
        ASSERT_EQ(windows.notices.size(), 1u);
        EXPECT_NE(windows.notices[0].find(GetParam().refusal), std::string::npos)
            << windows.notices[0];
        EXPECT_NE(windows.notices[0].find(GetParam().path), std::string::npos)
            << windows.notices[0];
        EXPECT_EQ(Pending.NewGameName, "EARLIER");
        EXPECT_FALSE(windows.keyBoxOpen);
    } else {
        EXPECT_TRUE(windows.notices.empty());
        EXPECT_EQ(Pending.NewGameName, GetParam().name);
        EXPECT_TRUE(windows.keyBoxOpen);
    }
    EXPECT_EQ(settingsView.rows.size(), 3u);
}

constexpr const char* kNotInCodePage = "cannot be stored in zentconfig.ini";
constexpr const char* kNoName = "gives no game name";

INSTANTIATE_TEST_SUITE_P(
    Names, AddGameNameTest,
    ::testing::Values(
        AddedNameCase{"D:\\\u30B2\u30FC\u30E0\\\u30B2\u30FC\u30E0.img", nullptr, kNotInCodePage},
        AddedNameCase{"D:\\Images\\\u0418\u0433\u0440\u0430.img", nullptr, kNotInCodePage},
        AddedNameCase{"D:\\\u30B2\u30FC\u30E0\\Caf\u00E9.iso", "CAF\u00E9", nullptr},
        AddedNameCase{"D:\\Images\\Race.\u30B2\u30FC\u30E0", "RACE", nullptr},
        AddedNameCase{"D:\\Images\\.iso", nullptr, kNoName},
        AddedNameCase{"D:\\Images\\   .iso", nullptr, kNoName}));

// The key's text and its save are KeyBoxKeysTest's and ExitKeySaveTest's.
TEST_F(SettingsFormTest, RedefineCapturesTheExitKeyIntoTheBoxOnly) {
    Open(kThreeGames);
    settings.cmdExit_Click();
    ASSERT_TRUE(windows.keyBoxOpen);
    EXPECT_EQ(keyBoxView.prompt, "");
    keyBox.Form_KeyDown(113);
    EXPECT_FALSE(windows.rendererOpen);
    EXPECT_EQ(std::get<double>(Config.ExitKeyCode), 27);
}

// The choice shows in the window and is saved; once the window is closed, it is dropped.
TEST_F(SettingsFormTest, ChangeOpensThePadBoxWhoseChoiceTheWindowShowsAndSaves) {
    Open(kThreeGames);
    settings.cmdPad_Click();
    EXPECT_EQ(windows.padBoxCurrent, kDefaultPadExit);
    windows.padChosen({PadKind::kJoystick, 1, 0x300});
    windows.settingsOpen = false;
    windows.padChosen({});
    windows.settingsOpen = true;
    SaveAndExit();
    EXPECT_EQ(SavedConfig(), ThreeGamesWith({{kPadExitOption, "Joystick 2: buttons 9 + 10"}}));
}

TEST_F(SettingsFormTest, TestGameWithoutSelectionDoesNothing) {
    Open(kThreeGames);
    settingsView.Text(kExitKeyOption) = "65";
    settings.cmdTest_Click();
    EXPECT_EQ(disk.closedCount, 0);
    EXPECT_TRUE(windows.events.empty());
    EXPECT_EQ(SavedConfig(), kThreeGames);
}

TEST_F(SettingsFormTest, TestGameSavesThenHidesThenLaunchesTheSelectedGame) {
    Open(kThreeGames);
    settingsView.selected = 0;
    settings.cmdDelete_Click();
    AddGame("C:\\Images\\New One.iso", 81, 3, {false, false, false});
    settingsView.Text(kCpuSpeedOption) = "150";
    settingsView.selected = 2;
    // Another Add Game left at its key box: given up.
    windows.chosenFiles = {"C:\\Images\\Moon.iso"};
    settings.cmdAdd_Click();
    settings.cmdPad_Click();
    ASSERT_TRUE(windows.keyBoxOpen && windows.padBoxOpen);
    windows.events.clear();
    settings.cmdTest_Click();
    EXPECT_FALSE(windows.keyBoxOpen || windows.rendererOpen || windows.padBoxOpen);
    EXPECT_EQ(windows.events.back(), "writes=1 ShowLaunchForm NEW ONE");
    EXPECT_EQ(SavedConfig(),
              ThreeGamesWith({{kCpuSpeedOption, " 150 "}}, {kRoadFightGame, kAlphaGame, kNewOne}));
    // What the launch reads back is what the window showed.
    LoadConfig();
    EXPECT_EQ(LookupGame("NEW ONE"), GameRecordText(kNewOne));
}

class EditGameTest : public SettingsFixture {
protected:
    // The answers for the edited row, the renderer dialog having started on
    // startsOn: F, Old Gfx, No Yes Yes.
    void AnswerEdit(int startsOn) {
        ASSERT_EQ(keyBoxView.prompt, kDriveKeyPrompt);
        keyBox.Form_KeyDown('F');
        renderer.Form_Load();
        EXPECT_EQ(rendererView.selected, startsOn);
        rendererView.selected = 2;
        windows.answers = {false, true, true};
        renderer.cmdOk_Click();
    }
};

const TestGame kEdited = {
    .driveKey = "70", .renderer = "2", .on = {kGameAlphaZWriting, kGameNtscMode}};

TEST_F(EditGameTest, ReplacesTheRowInPlace) {
    Open(kThreeGames);
    settingsView.selected = 0;
    settings.cmdEdit_Click();
    AnswerEdit(1);
    EXPECT_EQ(
        settingsView.rows,
        (std::vector<std::string>{GameRow(kEdited), GameRow(kRoadFightGame), GameRow(kAlphaGame)}));
    // A row gone above it meanwhile: the edit follows the row.
    settingsView.selected = 2;
    settings.cmdEdit_Click();
    settingsView.selected = 0;
    settings.cmdDelete_Click();
    TestGame alpha = kEdited;
    alpha.name = kAlphaGame.name;
    AnswerEdit(2);
    EXPECT_EQ(settingsView.rows,
              (std::vector<std::string>{GameRow(kRoadFightGame), GameRow(alpha)}));
}

TEST_F(EditGameTest, GivenUpLeavesTheRow) {
    Open(kThreeGames);
    settingsView.selected = 1;
    settings.cmdEdit_Click();
    keyBox.Form_KeyDown('F');
    ASSERT_TRUE(windows.rendererOpen);
    settings.cmdTest_Click();
    EXPECT_FALSE(windows.keyBoxOpen || windows.rendererOpen);
    // The row deleted before the answers: nothing is replaced.
    settings.cmdEdit_Click();
    settingsView.selected = 1;
    settings.cmdDelete_Click();
    keyBox.Form_KeyDown('F');
    renderer.cmdOk_Click();
    EXPECT_EQ(settingsView.rows,
              (std::vector<std::string>{GameRow(kSpaceRaceGame), GameRow(kAlphaGame)}));
}

TEST_F(SettingsFormTest, SeveralImagesAreAskedForOnceAndAddedInTheDialogsOrder) {
    Open(kThreeGames);
    windows.chosenFiles = {"C:\\I\\Zeta.iso", "C:\\I\\road fight.iso", "C:\\I\\.iso",
                           "C:\\I\\Moon.iso", "C:\\I\\moon.bin"};
    settings.cmdAdd_Click();
    keyBox.Form_KeyDown('E');
    renderer.Form_Load();
    rendererView.selected = 3;
    windows.answers = {true};
    renderer.cmdOk_Click();
    EXPECT_EQ(windows.keyBoxLoads + windows.rendererLoads, 2);
    EXPECT_EQ(windows.questions.size(), kGameOptionCount);
    const TestGame zeta = {
        .name = "ZETA", .driveKey = "69", .renderer = "3", .on = {kGameZWriting}};
    TestGame moon = zeta;
    moon.name = "MOON";
    EXPECT_EQ(std::vector<std::string>(settingsView.rows.begin() + 3, settingsView.rows.end()),
              (std::vector<std::string>{GameRow(zeta), GameRow(moon)}));
    ASSERT_EQ(windows.notices.size(), 1u);
    for (const char* skipped :
         {"road fight.iso: the game", ".iso gives no game name", "moon.bin: the game"}) {
        EXPECT_TRUE(Holds(windows.notices[0], skipped)) << skipped;
    }
}

TEST_F(SettingsFormTest, ARowWithTooFewFieldsStopsTheSaveBeforeWriting) {
    Open(kThreeGames);
    settingsView.rows.push_back("BROKEN|68");
    settings.cmdOk_Click();
    ASSERT_EQ(windows.errors.size(), 1u);
    EXPECT_EQ(windows.errors[0].number(), kSubscriptOutOfRange);
    EXPECT_NE(windows.errors[0].description().find("BROKEN|68"), std::string::npos);
    EXPECT_EQ(disk.closedCount, 0);
    EXPECT_EQ(settingsView.rows.size(), 4u);
}

struct TwipsCase {
    int twips, dpi, pixels;
};

void PrintTo(const TwipsCase& c, std::ostream* out) {
    *out << c.twips << " twips at " << c.dpi << " dpi";
}

class TwipsToPixelsTest : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTest, ScalesThroughTheDpi) {
    EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TwipsToPixelsTest,
                         ::testing::Values(TwipsCase{1440, 96, 96}, TwipsCase{15, 96, 1},
                                           TwipsCase{3720, 96, 248}, TwipsCase{375, 144, 38},
                                           TwipsCase{4980, 144, 498}, TwipsCase{195, 120, 16}));

}  // namespace
}  // namespace zent::testing
