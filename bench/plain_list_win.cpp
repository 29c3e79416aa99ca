// The obvious code for the Settings window's games list, as the benchmark's
// baseline: a window with a plain list box that adds the game lines of the
// zentconfig.ini beside it with LB_ADDSTRING, one row at a time, then shows.

#include <windows.h>

#include <fstream>
#include <string>

namespace {

constexpr int kGameLinesStart = 5;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string ConfigPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "zentconfig.ini";
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "PlainList";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "PlainList", "Plain list", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 260, 360, nullptr, nullptr, instance, nullptr);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 8, 16,
                                233, 147, window, nullptr, instance, nullptr);
    std::ifstream config(ConfigPath(), std::ios::binary);
    int number = 0;
    for (std::string line; std::getline(config, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (number >= kGameLinesStart) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
    }
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
