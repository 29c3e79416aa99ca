#include "driver_win.h"

#include <cstdio>

namespace zent::e2e {

namespace {
int g_failures = 0;

struct Search {
    DWORD processId;
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && TextOf(window) == search.text) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchClass(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (IsWindowVisible(window) && lstrcmpiW(name, search.text.c_str()) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

void SendKey(BYTE virtualKey, DWORD flags) {
    keybd_event(virtualKey, 0, flags, 0);
}

}  // namespace

void Check(bool condition, const std::string& what) {
    if (!condition) {
        ++g_failures;
        std::printf("FAILED: %s\n", what.c_str());
    } else {
        std::printf("ok: %s\n", what.c_str());
    }
    std::fflush(stdout);
}

int Failures() {
    return g_failures;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs) {
    const ULONGLONG end = GetTickCount64() + limitMs;
    while (!condition()) {
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

HWND FindProcessWindow(DWORD processId, const std::wstring& caption) {
    Search search{processId, caption};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const std::wstring& caption) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindProcessWindow(processId, caption)) != nullptr; });
    Check(window != nullptr, "window \"" + Narrow(caption) + "\" appears");
    return window;
}

std::wstring TextOf(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.c_str();
}

// The items of a list or combo box, read with the given count, length and
// text messages in their wide forms: Wine marshals those across processes
// correctly, the ANSI ones overrun.
std::vector<std::wstring> Items(HWND control, UINT countMessage, UINT lengthMessage,
                                UINT textMessage) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(control, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(control, lengthMessage, i, 0)) + 1,
                          L'\0');
        SendMessageW(control, textMessage, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(item.c_str());
    }
    return items;
}

std::vector<std::wstring> ListRows(HWND list) {
    return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::wstring> ComboItems(HWND combo) {
    return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

HWND FindDescendant(HWND parent, const std::wstring& className) {
    Search search{0, className};
    EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void PressKey(BYTE virtualKey) {
    SendKey(virtualKey, 0);
    SendKey(virtualKey, KEYEVENTF_KEYUP);
}

void PressChord(BYTE modifier, BYTE virtualKey) {
    SendKey(modifier, 0);
    SendKey(virtualKey, 0);
    SendKey(virtualKey, KEYEVENTF_KEYUP);
    SendKey(modifier, KEYEVENTF_KEYUP);
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 5000);
}

void SaveWindowImage(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), '\0');
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes += pixels;
    WriteFileBytes(path, bytes);
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    char buffer[64 * 1024];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Narrow(const std::wstring& text) {
    std::string result(
        static_cast<std::size_t>(WideCharToMultiByte(
            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

std::wstring Widen(const std::string& text) {
    std::wstring result(static_cast<std::size_t>(MultiByteToWideChar(
                            CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)),
                        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        static_cast<int>(result.size()));
    return result;
}

}  // namespace zent::e2e
