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

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str());
}

bool HasAttribute(const std::string& path, DWORD attribute) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & attribute) != 0;
}

bool IsReadOnly(const std::string& path) {
    return HasAttribute(path, FILE_ATTRIBUTE_READONLY);
}

bool IsFolder(const std::string& path) {
    return HasAttribute(path, FILE_ATTRIBUTE_DIRECTORY);
}

FileFault FaultOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FileFault::kNotFound;
        case ERROR_ACCESS_DENIED:
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

// Windows says "access denied" for a folder where a file is wanted and for a
// read-only file alike; each has its own cure.
FileFault FaultOfFile(DWORD code, const std::string& path) {
    if (IsFolder(path)) {
        return FileFault::kFolder;
    }
    if (code == ERROR_ACCESS_DENIED && IsReadOnly(path)) {
        return FileFault::kReadOnly;
    }
    return FaultOf(code);
}

class WindowsInputFile : public InputFile {
public:
    WindowsInputFile(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~WindowsInputFile() override { CloseHandle(handle_); }

    std::size_t Read(char* buffer, std::size_t size) override {
        DWORD got = 0;
        if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr)) {
            FailFileOperation(GetLastError(), "could not be read", path_);
        }
        return got;
    }

private:
    HANDLE handle_;
    std::string path_;
};

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
    FailFile(FaultOfFile(code, path), action, path, SystemMessage(code));
}

std::unique_ptr<InputFile> WindowsFileSystem::Open(const std::string& path) {
    const HANDLE handle =
        CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        FailFileOperation(GetLastError(), "could not be opened", path);
    }
    return std::make_unique<WindowsInputFile>(handle, path);
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
    if (!IsFolder(target) && IsReadOnly(target)) {
        FailFile(FileFault::kReadOnly, "could not be replaced", target,
                 SystemMessage(ERROR_ACCESS_DENIED));
    }
    if (!MoveFileExW(Wide(source).c_str(), Wide(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        FailFileOperation(GetLastError(), "could not be replaced", target);
    }
}

// A file only, read-only or hidden as it may be; a folder of that name stays.
void WindowsFileSystem::Remove(const std::string& path) noexcept {
    const DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return;
    }
    const std::wstring widePath = Wide(path);
    SetFileAttributesW(widePath.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(widePath.c_str());
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

void WindowsFileSystem::ChangeCurrentFolder(const std::string& folder) {
    if (!SetCurrentDirectoryW(Wide(folder).c_str())) {
        const DWORD code = GetLastError();
        FailFile(FaultOf(code), "could not be made the current folder", folder,
                 SystemMessage(code));
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
