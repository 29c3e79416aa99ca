#include "fault_folder_win.h"

#include <stdexcept>

#include "e2e_support_win.h"
#include "fault_programs.h"

namespace zent {

FaultFolder::FaultFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    path_ = std::string(temp) + "zent-faults-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++serial);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) {
        throw std::runtime_error("cannot create " + path_);
    }
}

FaultFolder::~FaultFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string file = PathOf(found.cFileName);
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path_.c_str());
}

void FaultFolder::Write(const std::string& name, const std::string& bytes) const {
    HANDLE file = CreateFileA(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot write " + PathOf(name));
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) {
        throw std::runtime_error("cannot write " + PathOf(name));
    }
}

std::string FaultFolder::Read(const std::string& name) const {
    const std::string path = PathOf(name);
    return ReadWholeFile(std::wstring(path.begin(), path.end())).value_or("");
}

bool FaultFolder::Exists(const std::string& name) const {
    return GetFileAttributesA(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void FaultFolder::MakeReadOnly(const std::string& name) const {
    if (!SetFileAttributesA(PathOf(name).c_str(), FILE_ATTRIBUTE_READONLY)) {
        throw std::runtime_error("cannot make " + PathOf(name) + " read-only");
    }
}

PROCESS_INFORMATION FaultFolder::StartLauncher(const std::string& argument) const {
    const std::string program = PathOf("ZentavioWrapper.exe");
    if (!CopyFileW(HostPath(kFaultLauncherProgram).c_str(), Widen(program).c_str(), FALSE)) {
        throw std::runtime_error(std::string("cannot copy ") + kFaultLauncherProgram);
    }
    std::string commandLine = "\"" + program + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        throw std::runtime_error("cannot start " + program);
    }
    CloseHandle(started.hThread);
    return started;
}

FileLock::FileLock(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot lock " + path);
    }
}

FileLock::~FileLock() {
    CloseHandle(handle_);
}

}  // namespace zent
