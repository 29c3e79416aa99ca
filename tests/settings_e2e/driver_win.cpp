#include "driver_win.h"

#include "e2e_support_win.h"

namespace zent {

namespace {

struct ClassSearch {
    std::wstring className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<ClassSearch*>(context);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (IsWindowVisible(window) && lstrcmpiW(name, search.className.c_str()) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
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

}  // namespace

std::vector<std::wstring> ListRows(HWND list) {
    return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::wstring> ComboItems(HWND combo) {
    return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

HWND FindDescendant(HWND parent, const std::wstring& className) {
    ClassSearch search{className};
    EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PressChord(int modifier, int key) {
    KeyDown(modifier);
    PressKey(key);
    KeyUp(modifier);
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, 5000);
}

std::string WindowImage(HWND window) {
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
    return bytes + pixels;
}

}  // namespace zent
