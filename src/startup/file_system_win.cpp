#include "startup/file_system_win.h"

#include <windows.h>

#include "startup/fatal_error.h"
#include "startup/text_locale_win.h"

namespace zent {

namespace {

std::string SystemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text =
        length ? Utf8(std::wstring_view(buffer, length)) : "Windows error " + std::to_string(code);
    LocalFree(buffer);
    return text;
}

bool IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

FileFault FaultOf(DWORD code, const std::string& path) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FileFault::kNotFound;
        case ERROR_ACCESS_DENIED:
            return IsReadOnly(path) ? FileFault::kReadOnly : FileFault::kAccessDenied;
        case ERROR_WRITE_PROTECT:
            return FileFault::kAccessDenied;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return FileFault::kInUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileFault::kDiskFull;
        default:
            return FileFault::kOther;
    }
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
    FailFile(FaultOf(code, path), action, path, SystemMessage(code));
}

std::string WindowsFileSystem::ReadAll(const std::string& path) {
    const HANDLE handle =
        CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
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
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        FailFileOperation(GetLastError(), "could not be created", path);
    }
    return std::make_unique<WindowsOutputFile>(handle, path);
}

void WindowsFileSystem::Replace(const std::string& source, const std::string& target) {
    // A read-only file is the user's way of keeping it as it is. Not every
    // file system refuses to move another file over it, so refuse here.
    if (IsReadOnly(target)) {
        FailFile(FileFault::kReadOnly, "could not be replaced", target,
                 SystemMessage(ERROR_ACCESS_DENIED));
    }
    if (!MoveFileExW(Wide(source).c_str(), Wide(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        FailFileOperation(GetLastError(), "could not be replaced", target);
    }
}

void WindowsFileSystem::Remove(const std::string& path) noexcept {
    DeleteFileW(Wide(path).c_str());
}

std::string RunningProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::string folder = Utf8(path.substr(0, path.find_last_of(L'\\')));
    if (!folder.empty() && folder.back() == ':') {
        folder += '\\';
    }
    return folder;
}

void SetCurrentFolder(const std::string& folder) {
    if (!SetCurrentDirectoryW(Wide(folder).c_str())) {
        FailFileOperation(GetLastError(), "could not be made the current folder", folder);
    }
}

PROCESS_INFORMATION StartProcess(const std::string& path, int showWindow, DWORD creationFlags) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindow);
    const std::wstring program = Wide(path);
    // The program's own path as its first word, the way a shell starts it.
    std::wstring commandLine = L"\"" + program + L"\"";
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creationFlags,
                        nullptr, nullptr, &startup, &process)) {
        FailFileOperation(GetLastError(), "could not be started", path);
    }
    return process;
}

}  // namespace zent
