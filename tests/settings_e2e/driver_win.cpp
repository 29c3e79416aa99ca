#include "driver_win.h"

#include <cstdio>
#include <fstream>
#include <sstream>

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
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string Narrow(const std::wstring& text) {
    std::string result;
    for (wchar_t c : text) {
        result += c < 128 ? static_cast<char>(c) : '?';
    }
    return result;
}

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace zent::e2e
