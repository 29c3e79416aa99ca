// The real launcher in Settings mode under Wine, worked through its windows like
// a user would, in a fresh folder with its own "zentconfig.ini": the windows and
// the file it leaves are the evidence. Besides the tests, poses the windows for
// the documentation:
//   settings_e2e screenshots <launcher.exe> <folder for the images>

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "driver_win.h"
#include "e2e_programs.h"
#include "e2e_support_win.h"
#include "game_rows.h"
#include "launch_folder_win.h"
#include "settings/key_box.h"
#include "settings/renderer_form.h"
#include "settings/settings_layout.h"
#include "text_expectations.h"

namespace zent {
namespace {

using testing::GameRow;
using testing::kAlphaGame;
using testing::kRoadFightGame;
using testing::kSpaceRaceGame;
using testing::TestGame;

// Generous: Wine can be slow on a busy machine.
constexpr int kWaitMs = 30000;

const std::vector<std::string> kThreeGames = {GameRow(kSpaceRaceGame), GameRow(kRoadFightGame),
                                              GameRow(kAlphaGame)};
// The game that Save and Exit's test adds.
const TestGame kNewGame = {
    .name = "NEW GAME", .renderer = "1", .on = {kGameZWriting, kGameNtscMode}};

std::vector<std::wstring> Widened(const std::vector<std::string>& rows) {
    std::vector<std::wstring> wide;
    for (const std::string& row : rows) {
        wide.push_back(Widen(row));
    }
    return wide;
}

// The launcher started without an argument in a folder of its own, and its
// Settings window.
class SettingsSession {
public:
    // The folder's name ends with folderName, which may be in any language.
    explicit SettingsSession(const std::string& folderName = "") : folder(folderName) {
        folder.Write(
            "zentconfig.ini",
            testing::ConfigText({.lines = {{kCpuSpeedOption, " 87.5 "}, {kShowFpsOption, "1"}},
                                 .rows = kThreeGames}));
    }

    // Starts the launcher and waits for its Settings window.
    void Start() {
        launcher = folder.Start("");
        settings = Window(L"Settings");
    }

    HWND Window(const wchar_t* title) const {
        const HWND window = WaitForWindow(launcher->id(), title, kWaitMs);
        EXPECT_NE(window, nullptr) << "no window \"" << Narrow(title) << "\"";
        return window;
    }
    HWND Item(int id) const { return GetDlgItem(settings, id); }
    std::vector<std::wstring> Rows() const { return ListRows(Item(kLstGames)); }
    void SetText(int id, const wchar_t* text) const {
        SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    std::string SavedFile() const { return folder.Read("zentconfig.ini").value_or(""); }

    // An image file in the folder, and its path.
    std::string Image(const std::string& name) const {
        folder.Write(name, "image");
        return folder.Path() + "\\" + name;
    }

    void DeleteRow(int row) const {
        const std::size_t before = Rows().size();
        SendMessageW(Item(kLstGames), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        Click(Item(kCmdDelete));
        EXPECT_TRUE(WaitUntil([&] { return Rows().size() + 1 == before; }, kWaitMs))
            << "Delete Game removes no row";
    }

    // Add Game, and the texts typed into its open-file dialog's file name box,
    // each with Enter: a folder moves there, the last text chooses.
    void ChooseFile(const std::string& path, const std::string& names = "") const {
        Click(Item(kCmdAdd));
        const HWND open = Window(L"Open");
        const HWND fileName = FindDescendant(open, L"Edit");
        EXPECT_NE(fileName, nullptr) << "the open-file dialog has no file name box";
        for (const std::string& text : {path, names}) {
            if (!text.empty()) {
                // The dialog empties the box once it has moved to a folder.
                WaitUntil([&] { return TextOf(fileName).empty(); }, kWaitMs);
                SendMessageW(fileName, WM_SETTEXT, 0,
                             reinterpret_cast<LPARAM>(Widen(text).c_str()));
                Activate(open);
                PressKey(VK_RETURN);
            }
        }
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(open); }, kWaitMs))
            << "Enter does not close the open-file dialog";
    }

    // The text of the "Zentavio Wrapper" question, answered with the button.
    std::string Answer(int button) const {
        HWND box = nullptr;
        std::wstring text;
        EXPECT_TRUE(WaitUntil(
            [&] {
                box = FindTopLevel(L"#32770", kBoxTitle, launcher->id());
                text = box != nullptr ? TextOf(GetDlgItem(box, 0xFFFF)) : L"";
                return !text.empty();
            },
            kWaitMs))
            << "no question";
        if (box != nullptr) {
            Click(GetDlgItem(box, button));
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kWaitMs));
        }
        return Narrow(text);
    }

    // Once the click handler has returned (WM_NULL is answered only then): no key
    // capture dialog opened, and the list still holds its rows.
    void ExpectNothingAdded(std::size_t rows) const {
        SendMessageW(settings, WM_NULL, 0, 0);
        EXPECT_EQ(FindTopLevel(nullptr, L"Press Any Key", launcher->id()), nullptr);
        EXPECT_EQ(Rows().size(), rows);
    }

    void ExpectEnds(const char* how) const {
        ASSERT_TRUE(launcher->WaitForExit(kWaitMs)) << "the program did not end after " << how;
        EXPECT_EQ(launcher->ExitCode(), 0u) << "after " << how;
    }

    LaunchFolder folder;
    std::unique_ptr<LauncherProcess> launcher;
    HWND settings = nullptr;
};

class SettingsTest : public ::testing::Test, public SettingsSession {
protected:
    using SettingsSession::SettingsSession;
};

bool Ticked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Whether the list shows its horizontal scroll bar, and scrolls beyond its width.
bool ScrollsSideways(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    return (GetWindowLongPtrW(list, GWL_STYLE) & WS_HSCROLL) != 0 &&
           SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0) > client.right;
}

// "Press Any Key" and "Select Renderer" with its three questions, as Add Game
// and Edit Game ask them; the renderer dialog starts on startsOn.
void AnswerDialogs(const SettingsSession& session, int driveKey, int renderer,
                   const std::vector<bool>& answers, int startsOn = 0) {
    const HWND keyBox = session.Window(L"Press Any Key");
    // The window exists a moment before its prompt is set and it shows.
    EXPECT_TRUE(WaitUntil(
        [&] { return Narrow(TextOf(GetDlgItem(keyBox, kLblKey))) == kDriveKeyPrompt; }, kWaitMs));
    Activate(keyBox);
    PressKey(driveKey);
    const HWND rendererBox = session.Window(L"Select Renderer");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(keyBox); }, kWaitMs))
        << "the key capture dialog stays open";

    const HWND list = GetDlgItem(rendererBox, kCmbRenderer);
    std::vector<std::wstring> names;
    for (const char* name : kRendererNames) {
        names.push_back(Widen(name));
    }
    EXPECT_EQ(ComboItems(list), names) << "the four renderers, in order";
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), startsOn) << "the renderer it starts on";
    EXPECT_EQ(GetWindowLongPtrW(GetDlgItem(rendererBox, kRendererCmdOk), GWL_STYLE) & BS_TYPEMASK,
              BS_DEFPUSHBUTTON)
        << "Ok is not the default button";
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(renderer), 0);
    Click(GetDlgItem(rendererBox, kRendererCmdOk));

    for (std::size_t i = 0; i < std::size(kRenderingQuestions); ++i) {
        SCOPED_TRACE("question " + std::to_string(i + 1));
        const HWND question = session.Window(L"Redering Options");
        EXPECT_EQ(Narrow(TextOf(GetDlgItem(question, 0xFFFF))), kRenderingQuestions[i]);
        const LONG_PTR yesStyle = GetWindowLongPtrW(GetDlgItem(question, IDYES), GWL_STYLE);
        EXPECT_EQ(yesStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "Yes is the default button";
        // No to an option the test leaves out, which its game rows hold as False.
        const bool yes = i < answers.size() && answers[i];
        const HWND answer = GetDlgItem(question, yes ? IDYES : IDNO);
        EXPECT_TRUE(answer != nullptr && GetDlgItem(question, IDCANCEL) == nullptr)
            << "the box offers Yes and No only";
        Click(answer);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(question); }, kWaitMs))
            << "the answer leaves the box open";
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(rendererBox); }, kWaitMs))
        << "the renderer dialog stays open";
}

// Add Game through all three windows: the open-file dialog, then the dialogs.
void AddGame(const SettingsSession& session, const std::string& imagePath, int driveKey,
             int renderer, const std::vector<bool>& answers) {
    session.ChooseFile(imagePath);
    AnswerDialogs(session, driveKey, renderer, answers);
}

// Folder names that the system's ANSI code page cannot hold.
class SaveTest : public SettingsTest, public ::testing::WithParamInterface<const char*> {
protected:
    SaveTest() : SettingsTest(GetParam()) {}
};

TEST_P(SaveTest, SaveAndExitWritesTheOptionsAsTypedAndTheGamesInListOrder) {
    const std::string image = Image("New Game.Disc1.iso");
    Start();

    EXPECT_EQ(Rows(), Widened(kThreeGames));
    EXPECT_EQ(TextOf(Item(kTxtExitKey)), L"27");
    EXPECT_EQ(TextOf(Item(kTxtCpu)), L"87.5");
    EXPECT_TRUE(Ticked(Item(kChkFps)));
    EXPECT_FALSE(Ticked(Item(kChkPriority)));
    EXPECT_EQ(TextOf(Item(kTxtPad)), L"Back + Start");
    EXPECT_EQ(SendMessageW(Item(kLstGames), LB_GETCURSEL, 0, 0), LB_ERR) << "a game is selected";
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(settings, nullptr), &thread);
    EXPECT_EQ(thread.hwndFocus, Item(kCmdOk)) << "Save and Exit has not the focus";

    DeleteRow(1);
    AddGame(*this, image, 'D', 1, {true, false, true});
    EXPECT_TRUE(WaitUntil([&] { return Rows().size() == 3; }, kWaitMs));
    EXPECT_EQ(Rows().back(), Widen(GameRow(kNewGame)));

    SetText(kTxtExitKey, L"65");
    SetText(kTxtCpu, L"150%");
    SendMessageW(Item(kChkFps), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(Item(kChkPriority), BM_SETCHECK, BST_CHECKED, 0);
    Click(Item(kCmdOk));
    ExpectEnds("Save and Exit");
    EXPECT_EQ(SavedFile(), testing::ConfigText({.lines = {{kExitKeyOption, "65"},
                                                          {kHighPriorityOption, "1"},
                                                          {kCpuSpeedOption, " 150 "}},
                                                .games = {kSpaceRaceGame, kAlphaGame, kNewGame}}));
}

INSTANTIATE_TEST_SUITE_P(Scripts, SaveTest,
                         ::testing::Values("\u30B2\u30FC\u30E0", "\u0418\u0433\u0440\u044B"),
                         [](const auto& info) {
                             return info.index == 0 ? std::string("Japanese")
                                                    : std::string("Cyrillic");
                         });

TEST_F(SettingsTest, ClosingWithoutSavingLeavesTheFileAsItWas) {
    std::vector<std::string> games = kThreeGames;
    TestGame longName = kSpaceRaceGame;
    longName.name = std::string(300, 'L');
    games.insert(games.begin(), GameRow(longName));
    const std::string config = testing::ConfigText(
        {.lines = {{kCpuSpeedOption, " 87.5 "}, {kShowFpsOption, "1"}}, .rows = games});
    folder.Write("zentconfig.ini", config);
    Start();
    EXPECT_TRUE(ScrollsSideways(Item(kLstGames))) << "no sideways scroll to the long first row";
    const LRESULT longRowExtent = SendMessageW(Item(kLstGames), LB_GETHORIZONTALEXTENT, 0, 0);
    DeleteRow(0);
    // The sideways extent follows the longest row left, a tenth of the deleted one.
    EXPECT_LT(SendMessageW(Item(kLstGames), LB_GETHORIZONTALEXTENT, 0, 0) * 4, longRowExtent)
        << "without the long row the list still scrolls as far sideways";
    SetText(kTxtCpu, L"42");

    // A name that zentconfig.ini cannot hold: a notice, and nothing is added.
    const std::string japanese = Image("\u30B2\u30FC\u30E0.img");
    ChooseFile(japanese);
    const auto told = ReadAndDismissBox(launcher->id(), kWaitMs);
    ASSERT_TRUE(told.has_value()) << "no notice";
    EXPECT_TRUE(Holds(*told, "cannot be stored in zentconfig.ini"));
    EXPECT_TRUE(Holds(*told, japanese));
    EXPECT_TRUE(WaitUntil(
        [&] { return FindTopLevel(L"#32770", kBoxTitle, launcher->id()) == nullptr; }, kWaitMs))
        << "OK leaves the notice open";
    ExpectNothingAdded(3);

    // Cancel in the open-file dialog: nothing opens and the list stays as it is.
    Click(Item(kCmdAdd));
    const HWND open = Window(L"Open");
    Click(GetDlgItem(open, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(open); }, kWaitMs))
        << "Cancel leaves the open-file dialog open";
    ExpectNothingAdded(3);

    // An open dialog keeps the program alive after the Settings window has closed.
    Click(Item(kCmdExit));
    const HWND keyBox = Window(L"Press Any Key");
    PostMessageW(settings, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }, kWaitMs))
        << "the close button leaves Settings open";
    EXPECT_FALSE(launcher->WaitForExit(0)) << "the program ended with a dialog open";
    EXPECT_TRUE(IsWindow(keyBox)) << "the key capture dialog closed with Settings";
    PostMessageW(keyBox, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectEnds("its last window closed");
    EXPECT_EQ(SavedFile(), config);
}

// A save over a read-only file fails: the box says which file and what to do,
// the file stays as it was, and after OK the window still holds every edit.
// Once the file is writable again, the next Save and Exit writes them.
TEST_F(SettingsTest, AFailedSaveKeepsTheWindowAndTheNextSaveWritesTheEdits) {
    const std::string config = SavedFile();
    const std::wstring file = folder.PathOf("zentconfig.ini");
    const std::string image = Image("Moon.iso");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    Start();
    AddGame(*this, image, 'D', 0, {false, false, false});
    EXPECT_TRUE(WaitUntil([&] { return Rows().size() == 4; }, kWaitMs)) << "no game added";
    SetText(kTxtCpu, L"120");

    Click(Item(kCmdOk));
    const auto box = ReadAndDismissBox(launcher->id(), kWaitMs);
    ASSERT_TRUE(box.has_value()) << "no \"Zentavio Wrapper\" box";
    EXPECT_TRUE(Holds(*box, "Run-time error 70: Permission denied"));
    EXPECT_TRUE(Holds(*box, folder.Path() + "\\zentconfig.ini is unchanged"));
    EXPECT_TRUE(Holds(*box, "read-only"));
    EXPECT_FALSE(Holds(*box, "other program"));
    // The box belongs to the window, which takes clicks again once it is gone.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(settings) != FALSE; }, kWaitMs))
        << "the Settings window stays disabled";
    SendMessageW(settings, WM_NULL, 0, 0);
    ASSERT_FALSE(launcher->WaitForExit(0)) << "the program ended after the failed save";
    EXPECT_TRUE(IsWindowVisible(settings));
    EXPECT_EQ(Rows().back(), Widen(GameRow({.name = "MOON"})));
    EXPECT_EQ(TextOf(Item(kTxtCpu)), L"120");
    EXPECT_EQ(SavedFile(), config);
    EXPECT_FALSE(folder.Read("zentconfig.ini.tmp").has_value());

    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL));
    Click(Item(kCmdOk));
    ExpectEnds("Save and Exit");
    std::vector<std::string> games = kThreeGames;
    games.push_back(GameRow({.name = "MOON"}));
    EXPECT_EQ(SavedFile(),
              testing::ConfigText(
                  {.lines = {{kCpuSpeedOption, " 120 "}, {kShowFpsOption, "1"}}, .rows = games}));
}

TEST_F(SettingsTest, RedefineTakesAnyKeyAndAltSSaves) {
    Start();
    Click(Item(kCmdExit));
    HWND keyBox = Window(L"Press Any Key");
    EXPECT_TRUE(TextOf(GetDlgItem(keyBox, kLblKey)).empty()) << "the exit-key capture prompts";
    // A modifier alone is a key like any other; Alt arrives as a system key.
    Activate(keyBox);
    PressKey(VK_MENU);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(Item(kTxtExitKey)) == L"18"; }, kWaitMs))
        << "Alt alone does not land in the exit-key box as 18";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(keyBox); }, kWaitMs));

    // Redefine while Add Game waits for the drive key: the dialog stops asking
    // for the drive, and the key becomes the exit key, not a game's drive.
    ChooseFile(Image("Road.iso"));
    keyBox = Window(L"Press Any Key");
    EXPECT_EQ(Narrow(TextOf(GetDlgItem(keyBox, kLblKey))), kDriveKeyPrompt);
    Click(Item(kCmdExit));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(keyBox, kLblKey)).empty(); }, kWaitMs))
        << "the drive prompt stays while Redefine waits for the exit key";
    Activate(keyBox);
    PressKey(VK_F2);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(Item(kTxtExitKey)) == L"113"; }, kWaitMs))
        << "F2 does not land in the exit-key box as 113";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(keyBox); }, kWaitMs));
    EXPECT_EQ(FindTopLevel(nullptr, L"Select Renderer", launcher->id()), nullptr);
    Activate(settings);
    PressChord(VK_MENU, 'S');
    ExpectEnds("Alt+S");
    EXPECT_TRUE(SavedFile().starts_with("113\r\n")) << SavedFile();
}

// Enter on the focused Save and Exit button saves: the exit key 0 that the file
// holds is shown and saved as 27, and a row of 10,000 characters comes back whole.
TEST_F(SettingsTest, EnterSavesTheExitKey0As27AndALongRowWhole) {
    TestGame longName = kSpaceRaceGame;
    longName.name.clear();
    const std::string fields = GameRow(longName);
    const std::string longRow = std::string(10000 - fields.size(), 'W') + fields;
    folder.Write("zentconfig.ini",
                 testing::ConfigText({.lines = {{kExitKeyOption, "0"}, {kHighPriorityOption, "1"}},
                                      .rows = {longRow}}));
    Start();
    EXPECT_EQ(Rows(), std::vector<std::wstring>{Widen(longRow)});
    EXPECT_TRUE(ScrollsSideways(Item(kLstGames))) << "no sideways scroll to the row's end";
    Activate(settings);
    PressKey(VK_RETURN);
    ExpectEnds("Enter");
    EXPECT_EQ(SavedFile(),
              testing::ConfigText({.lines = {{kHighPriorityOption, "1"}}, .rows = {longRow}}));
}

TEST_F(SettingsTest, TestGameSavesFirstThenLaunchesTheSelectedGame) {
    folder.Write("tempavio.cfg", "stand-in configuration\r\n");
    Start();
    DeleteRow(1);
    SetText(kTxtCpu, L"90");
    SendMessageW(Item(kLstGames), LB_SETCURSEL, 0, 0);
    Click(Item(kCmdTest));

    const std::string expected =
        testing::ConfigText({.lines = {{kCpuSpeedOption, " 90 "}, {kShowFpsOption, "1"}},
                             .games = {kSpaceRaceGame, kAlphaGame}});
    EXPECT_TRUE(WaitUntil([&] { return SavedFile() == expected; }, kWaitMs)) << SavedFile();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(settings); }, kWaitMs))
        << "the Settings window is still shown";
    // The stand-in's log begins with the program it was started as: renderer
    // type 1 is the standard build.
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto lines = folder.LogLines();
            return !lines.empty() && lines.front().starts_with("program zentavio.exe");
        },
        kWaitMs))
        << "the launch did not start the emulator for SPACE RACE";
    EXPECT_EQ(folder.Read("zentavio.cfg"), "stand-in configuration\r\n");
    // How a launch ends is the launch's own business (and its own tests'); the
    // launcher and the emulator it started are simply ended with the folder.
}

// Edit Game (here Enter on a row) asks again for the row and replaces it in place; an exit
// key typed as F12 is named, and saved only after a question.
TEST_F(SettingsTest, EditGameChangesARowInPlaceAndATypedF12IsAskedAbout) {
    Start();
    Activate(settings);
    SendMessageW(Item(kLstGames), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 4));
    SendMessageW(Item(kLstGames), WM_LBUTTONUP, 0, MAKELPARAM(8, 4));
    PressKey(VK_RETURN);
    AnswerDialogs(*this, 'G', 3, {false, false, true}, 1);
    const TestGame edited = {.driveKey = "71", .renderer = "3", .on = {kGameNtscMode}};
    const auto rows = Widened({GameRow(edited), GameRow(kRoadFightGame), GameRow(kAlphaGame)});
    EXPECT_TRUE(WaitUntil([&] { return Rows() == rows; }, kWaitMs)) << "the row is not replaced";

    const std::string config = SavedFile();
    SetText(kTxtExitKey, L"F12");
    EXPECT_TRUE(Holds(Narrow(TextOf(Item(kLblExitKeyName))), "Esc"));
    Click(Item(kCmdOk));
    EXPECT_TRUE(Holds(Answer(IDNO), "\"F12\""));
    SendMessageW(settings, WM_NULL, 0, 0);
    ASSERT_FALSE(launcher->WaitForExit(0)) << "No ended the program";
    EXPECT_EQ(SavedFile(), config);
    SetText(kTxtExitKey, L"123");
    EXPECT_EQ(TextOf(Item(kLblExitKeyName)), L"F12");
    Click(Item(kCmdOk));
    ExpectEnds("Save and Exit");
    EXPECT_EQ(
        SavedFile(),
        testing::ConfigText(
            {.lines = {{kExitKeyOption, "123"}, {kCpuSpeedOption, " 87.5 "}, {kShowFpsOption, "1"}},
             .games = {edited, kRoadFightGame, kAlphaGame}}));
}

// Two names chosen at once in the open-file dialog: one pass through the
// dialogs, two rows.
TEST_F(SettingsTest, TwoImagesChosenAtOnceBecomeTwoRows) {
    Image("Moon.iso");
    Image("Zeta.iso");
    Start();
    ChooseFile(folder.Path(), "\"Zeta.iso\" \"Moon.iso\"");
    AnswerDialogs(*this, 'E', 2, {true});
    std::vector<std::string> games = kThreeGames;
    for (const char* name : {"ZETA", "MOON"}) {
        games.push_back(
            GameRow({.name = name, .driveKey = "69", .renderer = "2", .on = {kGameZWriting}}));
    }
    EXPECT_TRUE(WaitUntil([&] { return Rows() == Widened(games); }, kWaitMs))
        << Rows().size() << " rows, not the two added";
}

// A game another program added while the window was open: Save and Exit asks,
// No shows the file as it is now, and the next save keeps that game.
TEST_F(SettingsTest, AFileChangedMeanwhileIsNotSavedOverWithoutAQuestion) {
    Start();
    SetText(kTxtCpu, L"42");
    std::vector<std::string> games = kThreeGames;
    games.push_back(GameRow({.name = "THEIRS"}));
    const std::string theirs = testing::ConfigText({.rows = games});
    folder.Write("zentconfig.ini", theirs);
    Click(Item(kCmdOk));
    const std::string asked = Answer(IDNO);
    EXPECT_TRUE(Holds(asked, folder.Path() + "\\zentconfig.ini")) << asked;
    EXPECT_TRUE(WaitUntil([&] { return Rows().size() == 4; }, kWaitMs)) << "the file is not shown";
    EXPECT_EQ(TextOf(Item(kTxtCpu)), L"100");
    EXPECT_EQ(SavedFile(), theirs);
    Click(Item(kCmdOk));
    ExpectEnds("Save and Exit");
    EXPECT_EQ(SavedFile(), theirs);
}

// A second start without an argument brings the open window to the front and
// ends, writing nothing.
TEST_F(SettingsTest, ASecondSettingsStartBringsTheFirstToTheFront) {
    const std::string config = SavedFile();
    Start();
    Click(Item(kCmdExit));
    const HWND keyBox = Window(L"Press Any Key");
    Activate(keyBox);
    const auto second = folder.Start("");
    ASSERT_TRUE(second->WaitForExit(kWaitMs)) << "the second start did not end";
    EXPECT_EQ(second->ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == settings; }, kWaitMs))
        << "the first window is not in front";
    EXPECT_EQ(SavedFile(), config);
    PostMessageW(keyBox, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageW(settings, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectEnds("its windows closed");
}

// The launcher carries its manifest, its version information (the project's
// version, a copyright line) and its multi-size icon.
TEST(LauncherResourcesTest, ManifestVersionAndIcon) {
    const std::string version = ZENT_WINDOWS_VERSION;
    const std::wstring path = HostPath(kLauncherProgram);
    const HMODULE image = LoadLibraryExW(path.c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr) << "the launcher's resources cannot be read";
    const auto resource = [&](LPCSTR name, LPCSTR type) {
        HRSRC found = FindResourceA(image, name, type);
        if (found == nullptr) {
            return std::string();
        }
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(image, found)));
        return std::string(bytes, SizeofResource(image, found));
    };
    // Common controls 6, per-monitor DPI awareness and no elevation.
    const std::string manifest = resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    for (const char* part :
         {"Microsoft.Windows.Common-Controls", "PerMonitorV2", "true/pm", "asInvoker"}) {
        EXPECT_TRUE(Holds(manifest, part));
    }
    EXPECT_TRUE(Holds(manifest, "name=\"Zentavio.Wrapper\" version=\"" + version + "\""));
    const std::string icons = resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));
    std::vector<int> sizes;
    for (std::size_t entry = 6; entry + 14 <= icons.size(); entry += 14) {
        const int side = static_cast<unsigned char>(icons[entry]);
        sizes.push_back(side == 0 ? 256 : side);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 40, 48, 64, 72}));
    FreeLibrary(image);

    std::string information(GetFileVersionInfoSizeW(path.c_str(), nullptr), '\0');
    GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(information.size()),
                        information.data());
    const auto value = [&](const std::wstring& name) {
        wchar_t* text = nullptr;
        UINT length = 0;
        VerQueryValueW(information.data(), (L"\\StringFileInfo\\040904B0\\" + name).c_str(),
                       reinterpret_cast<void**>(&text), &length);
        return text == nullptr ? std::wstring() : std::wstring(text);
    };
    EXPECT_EQ(value(L"ProductName"), L"Zentavio Wrapper");
    EXPECT_EQ(value(L"FileVersion"), Widen(version));
    EXPECT_EQ(value(L"ProductVersion"), Widen(version));
    EXPECT_NE(value(L"LegalCopyright").find(L"Zentavio Wrapper contributors"), std::wstring::npos);
}

// Poses the windows with a few games and saves their images (BMP) into
// the folder, for the documentation.
int Screenshots(const std::string& program, const std::string& imageFolder) {
    SettingsSession session("shots");
    const std::string image = session.Image("Space Harrier.iso");
    if (!CopyFileW(HostPath(program).c_str(), session.folder.PathOf("ZentavioWrapper.exe").c_str(),
                   FALSE)) {
        return 1;
    }
    const auto save = [&](HWND window, const char* name) {
        Sleep(700);  // lets the window finish painting
        return WriteWholeFile(Widen(imageFolder + "\\" + name), WindowImage(window));
    };
    session.Start();
    SendMessageW(session.Item(kLstGames), LB_SETCURSEL, 1, 0);
    bool saved = save(session.settings, "settings.bmp");
    session.ChooseFile(image);
    const HWND keyBox = session.Window(L"Press Any Key");
    saved = save(keyBox, "keybox.bmp") && saved;
    Activate(keyBox);
    PressKey('D');
    const HWND rendererBox = session.Window(L"Select Renderer");
    saved = save(rendererBox, "renderer.bmp") && saved;
    PostMessageW(rendererBox, WM_SYSCOMMAND, SC_CLOSE, 0);
    Click(session.Item(kCmdPad));
    const HWND padBox = session.Window(L"Pad Exit");
    saved = save(padBox, "padbox.bmp") && saved;
    PostMessageW(padBox, WM_SYSCOMMAND, SC_CLOSE, 0);
    // Edit Game's renderer dialog, moved over the list, starts on the game's renderer.
    WaitUntil([&] { return !IsWindow(rendererBox) && !IsWindow(padBox); }, kWaitMs);
    SendMessageW(session.Item(kLstGames), LB_SETCURSEL, 0, 0);
    Click(session.Item(kCmdEdit));
    const HWND editKeys = session.Window(L"Press Any Key");
    Activate(editKeys);
    PressKey('D');
    const HWND editRenderer = session.Window(L"Select Renderer");
    RECT list{}, frame{};
    GetWindowRect(session.Item(kLstGames), &list);
    GetWindowRect(session.settings, &frame);
    SetWindowPos(editRenderer, HWND_TOP, frame.left + 4, list.bottom - 24, 0, 0, SWP_NOSIZE);
    saved = save(session.settings, "edit.bmp") && saved;
    PostMessageW(editRenderer, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(session.Item(kLstGames), WM_HSCROLL, SB_PAGERIGHT, 0);
    saved = save(session.settings, "scrolled.bmp") && saved;
    PostMessageW(session.settings, WM_SYSCOMMAND, SC_CLOSE, 0);
    return saved && session.launcher->WaitForExit(kWaitMs) && session.launcher->ExitCode() == 0 ? 0
                                                                                                : 1;
}

}  // namespace
}  // namespace zent

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "screenshots") {
        return zent::Screenshots(argv[2], argv[3]);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
