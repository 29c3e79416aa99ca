// Drives the real launcher in Settings mode through its windows under Wine:
//   settings_e2e save|close|redefine|enter <launcher.exe>
//   settings_e2e resources <launcher.exe> <version, as 1.2.3.0>
//   settings_e2e test <launcher.exe> <stand-in emulator.exe>
//   settings_e2e screenshots <launcher.exe> <folder for the images>
// Each scenario runs the launcher without an argument in a fresh folder with
// its own "zentconfig.ini", works the windows like a user and checks the file.

#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "driver_win.h"
#include "e2e_support_win.h"
#include "settings/key_box.h"
#include "settings/renderer_form.h"
#include "settings/settings_layout.h"

namespace zent::e2e {

namespace {

constexpr char kThreeGames[] =
    "27\r\n0\r\n 87.5 \r\n1\r\n 3 \r\n"
    "SPACE RACE|68|1|True|False|False\r\n"
    "ROAD FIGHT|69|0|False|False|True\r\n"
    "ALPHA|70|2|False|True|False\r\n";

// The folder's name ends with the scenario's, which may be in any language.
class Launcher {
public:
    Launcher(const std::string& scenario, const std::string& program) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = Narrow(temp) + "zent-settings-" + std::to_string(GetCurrentProcessId()) + "-" +
                  scenario;
        std::filesystem::remove_all(Widen(folder_));
        std::filesystem::create_directories(Widen(File("images")));
        CopyFileW(HostPath(program).c_str(), Widen(File("ZentavioWrapper.exe")).c_str(), FALSE);
        WriteFileBytes(File("zentconfig.ini"), kThreeGames);
    }

    ~Launcher() {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 1);
                WaitForSingleObject(process_.hProcess, 10000);
            }
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        std::error_code ignored;
        std::filesystem::remove_all(Widen(folder_), ignored);
    }

    std::string File(const std::string& name) const { return folder_ + "\\" + name; }

    // Starts the launcher without an argument and waits for its Settings window.
    void Start() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + Widen(File("ZentavioWrapper.exe")) + L"\"";
        const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                            nullptr, Widen(folder_).c_str(), &startup, &process_);
        Check(started != FALSE, "the launcher starts");
        settings = WaitForWindow(Id(), L"Settings");
    }

    DWORD Id() const { return process_.dwProcessId; }
    HWND Item(int id) const { return GetDlgItem(settings, id); }
    std::vector<std::wstring> Rows() const { return ListRows(Item(kLstGames)); }

    bool WaitForExit(DWORD* exitCode) {
        if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0) {
            return false;
        }
        GetExitCodeProcess(process_.hProcess, exitCode);
        return true;
    }

    void Stop() {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }

    bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    HWND settings = nullptr;

private:
    std::string folder_;
    PROCESS_INFORMATION process_{};
};

// Ends the programs that run from the folder: the ones this test made start.
void StopProcessesIn(const std::string& folder) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        HANDLE process =
            OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                        entry.th32ProcessID);
        if (process == nullptr) {
            continue;
        }
        char path[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        if (QueryFullProcessImageNameA(process, 0, path, &length) &&
            lstrcmpiA(std::string(path, length).substr(0, folder.size()).c_str(), folder.c_str()) ==
                0) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 10000);
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
}

bool Ticked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckEnds(Launcher& launcher, const std::string& how) {
    DWORD exitCode = 99;
    Check(launcher.WaitForExit(&exitCode), "the program ends after " + how);
    Check(exitCode == 0, "and its exit code is 0 (it is " + std::to_string(exitCode) + ")");
}

// Add Game through all three windows: the open-file dialog, "Press Any Key"
// and "Select Renderer" with its three questions.
void AddGame(Launcher& launcher, const std::string& imagePath, BYTE driveKey, int renderer,
             const std::vector<bool>& answers) {
    Click(launcher.Item(kCmdAdd));
    HWND open = WaitForWindow(launcher.Id(), L"Open");
    HWND fileName = FindDescendant(open, L"Edit");
    Check(fileName != nullptr, "the open-file dialog has a file name box");
    SendMessageW(fileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(imagePath).c_str()));
    Activate(open);
    PressKey(VK_RETURN);
    Check(WaitUntil([&] { return !IsWindow(open); }), "Enter closes the open-file dialog");

    HWND keyBox = WaitForWindow(launcher.Id(), L"Press Any Key");
    Check(Narrow(TextOf(GetDlgItem(keyBox, kLblKey))) == kDriveKeyPrompt,
          "the key capture dialog asks for the drive letter");
    Activate(keyBox);
    PressKey(driveKey);
    HWND rendererBox = WaitForWindow(launcher.Id(), L"Select Renderer");
    Check(WaitUntil([&] { return !IsWindow(keyBox); }), "the key capture dialog closes");

    HWND list = GetDlgItem(rendererBox, kCmbRenderer);
    std::vector<std::wstring> names;
    for (const char* name : kRendererNames) {
        names.push_back(Widen(name));
    }
    Check(ComboItems(list) == names, "the four renderers are listed in order");
    Check(SendMessageW(list, CB_GETCURSEL, 0, 0) == 0, "the first renderer is selected");
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(renderer), 0);
    Click(GetDlgItem(rendererBox, kRendererCmdOk));

    for (std::size_t i = 0; i < std::size(kRenderingQuestions); ++i) {
        HWND question = WaitForWindow(launcher.Id(), L"Redering Options");
        Check(Narrow(TextOf(GetDlgItem(question, 0xFFFF))) == kRenderingQuestions[i],
              std::string("question ") + std::to_string(i + 1) + " is " + kRenderingQuestions[i]);
        const LONG_PTR yesStyle = GetWindowLongPtrW(GetDlgItem(question, IDYES), GWL_STYLE);
        Check((yesStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON, "Yes is the default button");
        HWND answer = GetDlgItem(question, answers[i] ? IDYES : IDNO);
        Check(answer != nullptr && GetDlgItem(question, IDCANCEL) == nullptr,
              "the box offers Yes and No only");
        Click(answer);
        Check(WaitUntil([&] { return !IsWindow(question); }), "the answer closes the box");
    }
    Check(WaitUntil([&] { return !IsWindow(rendererBox); }), "the renderer dialog closes");
}

void SaveAndExit(const std::string& program, const std::string& folderName) {
    std::printf("-- in a folder named %s\n", folderName.c_str());
    Launcher launcher("save-" + folderName, program);
    const std::string image = launcher.File("images\\New Game.Disc1.iso");
    WriteFileBytes(image, "image");
    launcher.Start();

    Check(launcher.Rows() == std::vector<std::wstring>{L"SPACE RACE|68|1|True|False|False",
                                                       L"ROAD FIGHT|69|0|False|False|True",
                                                       L"ALPHA|70|2|False|True|False"},
          "the games are listed in file order");
    Check(TextOf(launcher.Item(kTxtExitKey)) == L"27", "the exit key shows 27");
    Check(TextOf(launcher.Item(kTxtCpu)) == L"87.5", "the CPU speed shows 87.5");
    Check(Ticked(launcher.Item(kChkFps)) && !Ticked(launcher.Item(kChkPriority)),
          "Show Fps is ticked, High Priority is not");
    Check(SendMessageW(launcher.Item(kLstGames), LB_GETCURSEL, 0, 0) == LB_ERR,
          "no game is selected");
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(launcher.settings, nullptr), &thread);
    Check(thread.hwndFocus == launcher.Item(kCmdOk), "Save and Exit has the focus");

    SendMessageW(launcher.Item(kLstGames), LB_SETCURSEL, 1, 0);
    Click(launcher.Item(kCmdDelete));
    Check(WaitUntil([&] { return launcher.Rows().size() == 2; }), "Delete Game removes a row");

    AddGame(launcher, image, 'D', 1, {true, false, true});
    Check(WaitUntil([&] { return launcher.Rows().size() == 3; }) &&
              launcher.Rows().back() == L"NEW GAME|68|1|True|False|True",
          "the new game is appended as NEW GAME|68|1|True|False|True");

    SendMessageW(launcher.Item(kTxtExitKey), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"65"));
    SendMessageW(launcher.Item(kTxtCpu), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"150%"));
    SendMessageW(launcher.Item(kChkFps), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(launcher.Item(kChkPriority), BM_SETCHECK, BST_CHECKED, 0);
    Click(launcher.Item(kCmdOk));
    CheckEnds(launcher, "Save and Exit");
    Check(ReadFileBytes(launcher.File("zentconfig.ini")) ==
              "65\r\n1\r\n 150 \r\n0\r\n 3 \r\n"
              "SPACE RACE|68|1|True|False|False\r\n"
              "ALPHA|70|2|False|True|False\r\n"
              "NEW GAME|68|1|True|False|True\r\n",
          "the file holds the options as typed and the games in list order");
}

// Whether the list shows its horizontal scroll bar, and how far it scrolls
// beyond its width.
bool ScrollsSideways(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    return (GetWindowLongPtrW(list, GWL_STYLE) & WS_HSCROLL) != 0 &&
           SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0) > client.right;
}

void CloseWithoutSaving(const std::string& program) {
    Launcher launcher("close", program);
    const std::string config =
        "27\r\n0\r\n 87.5 \r\n1\r\n 4 \r\n" + std::string(300, 'L') + "|68|1|True|False|False\r\n" +
        std::string(kThreeGames).substr(std::string("27\r\n0\r\n 87.5 \r\n1\r\n 3 \r\n").size());
    WriteFileBytes(launcher.File("zentconfig.ini"), config);
    launcher.Start();
    Check(ScrollsSideways(launcher.Item(kLstGames)),
          "the list scrolls sideways to its long first row");
    SendMessageW(launcher.Item(kLstGames), LB_SETCURSEL, 0, 0);
    Click(launcher.Item(kCmdDelete));
    Check(WaitUntil([&] { return launcher.Rows().size() == 3; }), "Delete Game removes a row");
    Check(!ScrollsSideways(launcher.Item(kLstGames)),
          "without the long row the list has no horizontal scroll bar");
    SendMessageW(launcher.Item(kTxtCpu), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"42"));

    // A name that zentconfig.ini cannot hold: a notice, and nothing is added.
    const std::string japanese = launcher.File("images\\\u30B2\u30FC\u30E0.img");
    WriteFileBytes(japanese, "image");
    Click(launcher.Item(kCmdAdd));
    HWND chooser = WaitForWindow(launcher.Id(), L"Open");
    SendMessageW(FindDescendant(chooser, L"Edit"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(Widen(japanese).c_str()));
    Activate(chooser);
    PressKey(VK_RETURN);
    HWND notice = WaitForWindow(launcher.Id(), L"Zentavio Wrapper");
    const std::string told = Narrow(TextOf(GetDlgItem(notice, 0xFFFF)));
    Check(told.find("cannot be stored in zentconfig.ini") != std::string::npos &&
              told.find(japanese) != std::string::npos,
          "a notice says the name cannot be stored: " + told);
    Click(GetDlgItem(notice, IDOK));
    Check(WaitUntil([&] { return !IsWindow(notice); }), "OK closes the notice");
    SendMessageW(launcher.settings, WM_NULL, 0, 0);
    Check(FindProcessWindow(launcher.Id(), L"Press Any Key") == nullptr &&
              launcher.Rows().size() == 3,
          "no key capture dialog opens and the list is unchanged");

    // Cancel in the open-file dialog: nothing opens and the list stays as it is.
    Click(launcher.Item(kCmdAdd));
    HWND open = WaitForWindow(launcher.Id(), L"Open");
    Click(GetDlgItem(open, IDCANCEL));
    Check(WaitUntil([&] { return !IsWindow(open); }), "Cancel closes the open-file dialog");
    // Answered only once the click handler has returned.
    SendMessageW(launcher.settings, WM_NULL, 0, 0);
    Check(FindProcessWindow(launcher.Id(), L"Press Any Key") == nullptr &&
              launcher.Rows().size() == 3,
          "after Cancel no key capture dialog opens and the list is unchanged");

    // An open dialog keeps the program alive after the Settings window has closed.
    Click(launcher.Item(kCmdExit));
    HWND keyBox = WaitForWindow(launcher.Id(), L"Press Any Key");
    PostMessageW(launcher.settings, WM_SYSCOMMAND, SC_CLOSE, 0);
    Check(WaitUntil([&] { return !IsWindow(launcher.settings); }),
          "the close button closes Settings");
    Check(launcher.Running() && IsWindow(keyBox), "the key capture dialog still runs");
    PostMessageW(keyBox, WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckEnds(launcher, "its last window closed");
    Check(ReadFileBytes(launcher.File("zentconfig.ini")) == config, "the file is as it was");
}

void RedefineExitKey(const std::string& program) {
    Launcher launcher("redefine", program);
    launcher.Start();
    Click(launcher.Item(kCmdExit));
    HWND keyBox = WaitForWindow(launcher.Id(), L"Press Any Key");
    Check(TextOf(GetDlgItem(keyBox, kLblKey)).empty(), "the exit-key capture shows no prompt");
    // A modifier alone is a key like any other; Alt arrives as a system key.
    Activate(keyBox);
    PressKey(VK_MENU);
    Check(WaitUntil([&] { return TextOf(launcher.Item(kTxtExitKey)) == L"18"; }),
          "Alt alone lands in the exit-key box as 18");
    Check(WaitUntil([&] { return !IsWindow(keyBox); }), "the key capture dialog closes");

    Click(launcher.Item(kCmdExit));
    keyBox = WaitForWindow(launcher.Id(), L"Press Any Key");
    Activate(keyBox);
    PressKey(VK_F2);
    Check(WaitUntil([&] { return TextOf(launcher.Item(kTxtExitKey)) == L"113"; }),
          "F2 lands in the exit-key box as 113");
    Check(WaitUntil([&] { return !IsWindow(keyBox); }), "the key capture dialog closes");
    Activate(launcher.settings);
    PressChord(VK_MENU, 'S');
    CheckEnds(launcher, "Alt+S");
    const std::string saved = ReadFileBytes(launcher.File("zentconfig.ini"));
    Check(saved.rfind("113\r\n", 0) == 0, "the exit key 113 is saved");
}

// Enter on the focused Save and Exit button saves: the exit key 0 that the
// file holds is shown and saved as 27, and a row of 10,000 characters comes
// back whole.
void EnterSaves(const std::string& program) {
    Launcher launcher("enter", program);
    const std::string longRow = std::string(10000 - 22, 'W') + "|68|1|True|False|False";
    WriteFileBytes(launcher.File("zentconfig.ini"),
                   "0\r\n1\r\n 100 \r\n0\r\n 1 \r\n" + longRow + "\r\n");
    launcher.Start();
    Check(launcher.Rows() == std::vector<std::wstring>{Widen(longRow)},
          "the row of 10,000 characters is listed whole");
    Check(ScrollsSideways(launcher.Item(kLstGames)), "the list scrolls sideways to its end");
    Activate(launcher.settings);
    PressKey(VK_RETURN);
    CheckEnds(launcher, "Enter");
    Check(ReadFileBytes(launcher.File("zentconfig.ini")) ==
              "27\r\n1\r\n 100 \r\n0\r\n 1 \r\n" + longRow + "\r\n",
          "the file is saved with the exit key 27 and the long row whole");
}

// The launcher carries its manifest, its version information (the project's
// version, a copyright line) and its multi-size icon.
void Resources(const std::string& program, const std::string& version) {
    const std::wstring path = HostPath(program);
    HMODULE image = LoadLibraryExW(path.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    Check(image != nullptr, "the launcher's resources can be read");
    const auto resource = [&](LPCSTR name, LPCSTR type) {
        HRSRC found = FindResourceA(image, name, type);
        if (found == nullptr) {
            return std::string();
        }
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(image, found)));
        return std::string(bytes, SizeofResource(image, found));
    };
    const std::string manifest = resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    Check(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
              manifest.find("PerMonitorV2") != std::string::npos &&
              manifest.find("true/pm") != std::string::npos &&
              manifest.find("asInvoker") != std::string::npos,
          "the manifest asks for common controls 6, per-monitor DPI awareness and no elevation");
    Check(
        manifest.find("name=\"Zentavio.Wrapper\" version=\"" + version + "\"") != std::string::npos,
        "the manifest names the launcher with version " + version);
    const std::string icons = resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));
    std::vector<int> sizes;
    for (std::size_t entry = 6; entry + 14 <= icons.size(); entry += 14) {
        const int side = static_cast<unsigned char>(icons[entry]);
        sizes.push_back(side == 0 ? 256 : side);
    }
    Check(sizes == std::vector<int>{16, 24, 32, 40, 48, 64, 72},
          "the icon holds the seven sizes from 16 to 72 pixels");
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
    Check(value(L"ProductName") == L"Zentavio Wrapper",
          "the version information names the product Zentavio Wrapper");
    Check(value(L"FileVersion") == Widen(version) && value(L"ProductVersion") == Widen(version),
          "the version information gives version " + version);
    Check(value(L"LegalCopyright").find(L"Zentavio Wrapper contributors") != std::wstring::npos,
          "the version information has a copyright line");
}

void TestGame(const std::string& program, const std::string& standIn) {
    Launcher launcher("test", program);
    CopyFileW(HostPath(standIn).c_str(), Widen(launcher.File("zentavio.exe")).c_str(), FALSE);
    WriteFileBytes(launcher.File("tempavio.cfg"), "stand-in configuration\r\n");
    launcher.Start();
    SendMessageW(launcher.Item(kLstGames), LB_SETCURSEL, 1, 0);
    Click(launcher.Item(kCmdDelete));
    Check(WaitUntil([&] { return launcher.Rows().size() == 2; }), "Delete Game removes a row");
    SendMessageW(launcher.Item(kTxtCpu), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"90"));
    SendMessageW(launcher.Item(kLstGames), LB_SETCURSEL, 0, 0);
    Click(launcher.Item(kCmdTest));

    const std::string expected =
        "27\r\n0\r\n 90 \r\n1\r\n 2 \r\n"
        "SPACE RACE|68|1|True|False|False\r\n"
        "ALPHA|70|2|False|True|False\r\n";
    Check(WaitUntil([&] { return ReadFileBytes(launcher.File("zentconfig.ini")) == expected; }),
          "Test Game saves the window's state first");
    Check(WaitUntil([&] { return !IsWindowVisible(launcher.settings); }),
          "the Settings window is hidden");
    // The stand-in's log begins with the program it was started as: renderer
    // type 1 is the standard build.
    Check(WaitUntil([&] {
              return ReadFileBytes(launcher.File("zentavio_standin.log"))
                  .starts_with("program zentavio.exe");
          }),
          "the launch starts the emulator for SPACE RACE");
    Check(ReadFileBytes(launcher.File("zentavio.cfg")) == "stand-in configuration\r\n",
          "the launch puts the saved emulator configuration in place");
    // How a launch ends is the launch's own business (and its own tests'); here
    // the launcher and the emulator it started are simply stopped.
    launcher.Stop();
    StopProcessesIn(launcher.File(""));
}

// Not a test: poses the three windows with a few games and saves their images
// (BMP) into the folder, for the documentation.
void Screenshots(const std::string& program, const std::string& folder) {
    Launcher launcher("shots", program);
    const std::string image = launcher.File("images\\Space Harrier.iso");
    WriteFileBytes(image, "image");
    launcher.Start();
    SendMessageW(launcher.Item(kLstGames), LB_SETCURSEL, 1, 0);
    const auto settle = [] { Sleep(700); };  // lets the windows finish painting
    settle();
    SaveWindowImage(launcher.settings, folder + "\\settings.bmp");

    Click(launcher.Item(kCmdAdd));
    HWND open = WaitForWindow(launcher.Id(), L"Open");
    SendMessageW(FindDescendant(open, L"Edit"), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(Widen(image).c_str()));
    Activate(open);
    PressKey(VK_RETURN);
    HWND keyBox = WaitForWindow(launcher.Id(), L"Press Any Key");
    settle();
    SaveWindowImage(keyBox, folder + "\\keybox.bmp");
    Activate(keyBox);
    PressKey('D');
    HWND rendererBox = WaitForWindow(launcher.Id(), L"Select Renderer");
    settle();
    SaveWindowImage(rendererBox, folder + "\\renderer.bmp");
    PostMessageW(rendererBox, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageW(launcher.settings, WM_SYSCOMMAND, SC_CLOSE, 0);
    CheckEnds(launcher, "its windows closed");
}

}  // namespace

}  // namespace zent::e2e

int main(int argc, char** argv) {
    using namespace zent::e2e;
    if (argc < 3) {
        std::printf("usage: settings_e2e save|close|redefine|test|screenshots <launcher> ...\n");
        return 2;
    }
    const std::string scenario = argv[1];
    const std::string program = argv[2];
    if (scenario == "save") {
        // Folder names that the system's ANSI code page cannot hold.
        SaveAndExit(program, "\u30B2\u30FC\u30E0");
        SaveAndExit(program, "\u0418\u0433\u0440\u044B");
    } else if (scenario == "close") {
        CloseWithoutSaving(program);
    } else if (scenario == "enter") {
        EnterSaves(program);
    } else if (scenario == "resources" && argc > 3) {
        Resources(program, argv[3]);
    } else if (scenario == "redefine") {
        RedefineExitKey(program);
    } else if (scenario == "screenshots" && argc > 3) {
        Screenshots(program, argv[3]);
    } else if (scenario == "test" && argc > 3) {
        TestGame(program, argv[3]);
    } else {
        std::printf("unknown scenario %s\n", scenario.c_str());
        return 2;
    }
    std::printf("%d failed check(s)\n", Failures());
    return Failures() == 0 ? 0 : 1;
}
