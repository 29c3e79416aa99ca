#include "launch_folder_win.h"

#include <tlhelp32.h>

#include <cwchar>
#include <sstream>
#include <stdexcept>

#include "e2e_programs.h"
#include "e2e_support_win.h"

namespace zent {

namespace {

void CopyProgram(const char* from, const std::wstring& to) {
    if (!CopyFileW(HostPath(from).c_str(), to.c_str(), FALSE)) {
        throw std::runtime_error("cannot copy " + std::string(from));
    }
}

// Ends the programs whose files lie in the folder: the ones a test made start,
// such as the emulator a Test Game launch left running.
void EndProgramsIn(const std::wstring& folder) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        const HANDLE process =
            OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE,
                        entry.th32ProcessID);
        if (process == nullptr) {
            continue;
        }
        wchar_t image[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, image, &length) &&
            _wcsnicmp(image, folder.c_str(), folder.size()) == 0) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 10000);
        }
        CloseHandle(process);
    }
    CloseHandle(snapshot);
}

}  // namespace

LauncherProcess::LauncherProcess(const PROCESS_INFORMATION& started)
    : process_(started.hProcess), id_(started.dwProcessId) {
    CloseHandle(started.hThread);
}

LauncherProcess::~LauncherProcess() {
    if (!WaitForExit(0)) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool LauncherProcess::WaitForIdle(int timeoutMs) const {
    return WaitForInputIdle(process_, static_cast<DWORD>(timeoutMs)) == 0;
}

bool LauncherProcess::WaitForExit(int timeoutMs) const {
    return WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

void LauncherProcess::Terminate() const {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
}

DWORD LauncherProcess::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

LaunchFolder::LaunchFolder(const std::string& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    // Wine numbers its processes afresh with every server, so the process id
    // alone could name a folder that an earlier run left behind.
    static int serial = 0;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    path_ = std::wstring(temp) + L"zent-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(now.QuadPart % 1000000) + L"-" + std::to_wstring(++serial) +
            (name.empty() ? L"" : L"-" + Widen(name));
    CreateDirectoryW(path_.c_str(), nullptr);
    CopyProgram(kLauncherProgram, PathOf("ZentavioWrapper.exe"));
    CopyProgram(kStandInProgram, PathOf("zentavio.exe"));
    CopyProgram(kStandInOldGfxProgram, PathOf("zentavio_old_gfx.exe"));
}

LaunchFolder::~LaunchFolder() {
    // A stand-in that a failed test left open would keep its program file busy.
    if (HWND standIn = FindTopLevel(kStandInClass, nullptr, 0)) {
        PostMessageW(standIn, WM_CLOSE, 0, 0);
        WaitUntil([] { return FindTopLevel(kStandInClass, nullptr, 0) == nullptr; }, 3000);
    }
    EndProgramsIn(path_ + L"\\");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring file = path_ + L"\\" + found.cFileName;
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path_.c_str());
}

std::wstring LaunchFolder::PathOf(const std::string& name) const {
    return path_ + L"\\" + Widen(name);
}

void LaunchFolder::Write(const std::string& name, const std::string& bytes) const {
    if (!WriteWholeFile(PathOf(name), bytes)) {
        throw std::runtime_error("cannot write " + name);
    }
}

std::optional<std::string> LaunchFolder::Read(const std::string& name) const {
    return ReadWholeFile(PathOf(name));
}

std::unique_ptr<LauncherProcess> LaunchFolder::Start(const std::string& argument) const {
    std::wstring commandLine = L"\"" + PathOf("ZentavioWrapper.exe") + L"\" " + Widen(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // Started from another folder, as a front end would: the launcher must find
    // its files beside itself, not in the current folder.
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        throw std::runtime_error("cannot start the launcher");
    }
    return std::make_unique<LauncherProcess>(started);
}

std::vector<std::string> LaunchFolder::Lines(const std::string& name) const {
    std::vector<std::string> lines;
    std::istringstream log(Read(name).value_or(""));
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

namespace {
constexpr char kForeignLogName[] = "front_end.log";
constexpr int kForeignWindowTimeoutMs = 10000;
}  // namespace

ForeignWindow::ForeignWindow(const LaunchFolder& folder) : folder_(folder) {
    std::wstring commandLine =
        L"\"" + HostPath(kForeignWindowProgram) + L"\" \"" + folder.PathOf(kForeignLogName) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        throw std::runtime_error("cannot start the foreign window");
    }
    CloseHandle(process_.hThread);
    if (!WaitUntil([this] { return InFront(); }, kForeignWindowTimeoutMs)) {
        throw std::runtime_error("the foreign window did not come to the front");
    }
}

ForeignWindow::~ForeignWindow() {
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
}

std::vector<std::string> ForeignWindow::Received() const {
    std::vector<std::string> received;
    for (const auto& line : folder_.Lines(kForeignLogName)) {
        if (line != "up") {
            received.push_back(line);
        }
    }
    return received;
}

bool ForeignWindow::InFront() const {
    const HWND window = FindTopLevel(kForeignWindowClass, nullptr, process_.dwProcessId);
    return window != nullptr && GetForegroundWindow() == window;
}

std::map<std::string, std::string> LineFields(const std::vector<std::string>& lines,
                                              const std::string& prefix) {
    std::map<std::string, std::string> fields;
    for (const auto& line : lines) {
        if (line.starts_with(prefix + " ")) {
            std::istringstream words(line.substr(prefix.size() + 1));
            for (std::string word; words >> word;) {
                const auto equals = word.find('=');
                if (equals == std::string::npos) {
                    fields["value"] = word;
                } else {
                    fields[word.substr(0, equals)] = word.substr(equals + 1);
                }
            }
            break;
        }
    }
    return fields;
}

std::vector<std::string> CommandLines(const std::vector<std::string>& lines) {
    std::vector<std::string> commands;
    for (const auto& line : lines) {
        if (line.starts_with("command ") || line.starts_with("drive")) {
            commands.push_back(line);
        }
    }
    return commands;
}

}  // namespace zent
