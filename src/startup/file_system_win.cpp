#include "startup/file_system_win.h"

#include <windows.h>

#include "startup/fatal_error.h"

namespace zent {

namespace {

std::string SystemMessage(DWORD code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text =
        length ? std::string(buffer, length) : "Windows error " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

class WindowsOutputFile : public OutputFile {
public:
    WindowsOutputFile(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~WindowsOutputFile() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }

    void Write(std::string_view bytes) override {
        DWORD written = 0;
        if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr)) {
            FailFileOperation(GetLastError(), "could not be written", path_);
        }
        if (written != bytes.size()) {
            FailFileOperation(ERROR_DISK_FULL, "could not be written", path_);
        }
    }

    void Flush() override {
        if (!FlushFileBuffers(handle_)) {
            FailFileOperation(GetLastError(), "could not be written to the disk", path_);
        }
    }

    void Close() override {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle)) {
            FailFileOperation(GetLastError(), "could not be closed", path_);
        }
    }

private:
    HANDLE handle_;
    std::string path_;
};

}  // namespace

void FailFileOperation(unsigned long code, const std::string& action, const std::string& path) {
    std::string advice;
    int number = kPathFileAccessError;
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            number = kFileNotFound;
            advice = " Put the file there, or start the launcher from the folder that holds it.";
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            number = kPermissionDenied;
            advice = " Check that the file is not read-only and that you may write to its folder.";
            break;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            advice = " Another program has it open; close that program and try again.";
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            number = kDiskFull;
            advice = " Free some space on the disk and try again.";
            break;
        default:
            break;
    }
    Fail(number, path + " " + action + " (" + SystemMessage(code) + ")." + advice);
}

std::string WindowsFileSystem::ReadAll(const std::string& path) {
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        FailFileOperation(GetLastError(), "could not be opened", path);
    }
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) {
            const DWORD code = GetLastError();
            CloseHandle(handle);
            FailFileOperation(code, "could not be read", path);
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, got);
    }
    CloseHandle(handle);
    return bytes;
}

std::unique_ptr<OutputFile> WindowsFileSystem::Create(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        FailFileOperation(GetLastError(), "could not be created", path);
    }
    return std::make_unique<WindowsOutputFile>(handle, path);
}

void WindowsFileSystem::Replace(const std::string& source, const std::string& target) {
    // A read-only file is the user's way of keeping it as it is. Not every
    // file system refuses to move another file over it, so refuse here.
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        FailFileOperation(ERROR_ACCESS_DENIED, "could not be replaced", target);
    }
    if (!MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        FailFileOperation(GetLastError(), "could not be replaced", target);
    }
}

void WindowsFileSystem::Remove(const std::string& path) noexcept {
    DeleteFileA(path.c_str());
}

std::string RunningProgramFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::string folder = path.substr(0, path.find_last_of('\\'));
    if (!folder.empty() && folder.back() == ':') {
        folder += '\\';
    }
    return folder;
}

}  // namespace zent
