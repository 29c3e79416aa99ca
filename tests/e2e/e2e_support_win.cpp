#include "e2e_support_win.h"

#include <vector>

namespace zent {

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (done()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(20);
    }
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

void AppendLine(const std::wstring& path, const std::string& line) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

void KeyDown(int key) {
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
}

void KeyUp(int key) {
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
}

void PressKey(int key) {
    KeyDown(key);
    KeyUp(key);
}

// A key held on a keyboard repeats its key-down; so does this hold. Wine can
// drop a single injected key-down when the focus moves at that moment, and a
// user's held key would come through on the next repeat.
bool HoldKeyUntil(int key, const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    bool held = false;
    while (!(held = done()) && GetTickCount64() < end) {
        KeyDown(key);
        Sleep(30);
    }
    KeyUp(key);
    return held;
}

namespace {

struct TopLevelSearch {
    const wchar_t* className;
    const wchar_t* title;
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<TopLevelSearch*>(parameter);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (!IsWindowVisible(window) ||
        (search.className != nullptr && lstrcmpW(className, search.className) != 0) ||
        (search.processId != 0 && process != search.processId)) {
        return TRUE;
    }
    if (search.title != nullptr) {
        wchar_t title[128] = {};
        GetWindowTextW(window, title, 128);
        if (lstrcmpW(title, search.title) != 0) {
            return TRUE;
        }
    }
    search.found = window;
    return FALSE;
}

BOOL CALLBACK CollectLabel(HWND child, LPARAM parameter) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") == 0) {
        // WM_GETTEXT is marshalled between processes; the label belongs to the launcher.
        wchar_t text[2048] = {};
        SendMessageTimeoutW(child, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 2000, nullptr);
        if (text[0] != L'\0') {
            reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(text);
        }
    }
    return TRUE;
}

}  // namespace

HWND FindTopLevel(const wchar_t* className, const wchar_t* title, DWORD processId) {
    TopLevelSearch search{className, title, processId};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const wchar_t* title, int timeoutMs) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindTopLevel(nullptr, title, processId)) != nullptr; },
              timeoutMs);
    return window;
}

std::wstring TextOf(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.c_str();
}

void Click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

std::optional<std::string> ReadAndDismissBox(DWORD processId, int timeoutMs) {
    HWND box = nullptr;
    std::vector<std::wstring> labels;
    // The box can be visible a moment before its texts are set.
    const bool read = WaitUntil(
        [&] {
            labels.clear();
            box = FindTopLevel(L"#32770", kBoxTitle, processId);
            if (box != nullptr) {
                EnumChildWindows(box, CollectLabel, reinterpret_cast<LPARAM>(&labels));
            }
            return !labels.empty();
        },
        timeoutMs);
    if (!read) {
        return std::nullopt;
    }
    std::wstring text;
    for (const auto& label : labels) {
        text += (text.empty() ? L"" : L"\n") + label;
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return Narrow(text);
}

std::wstring HostPath(const std::string& path) {
    std::wstring windowsPath = (path.starts_with('/') ? L"Z:" : L"") + Widen(path);
    for (auto& c : windowsPath) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return windowsPath;
}

std::wstring Widen(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        length, nullptr, nullptr);
    return narrow;
}

}  // namespace zent
