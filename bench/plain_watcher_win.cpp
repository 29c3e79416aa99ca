// The plain design of the exit-key watcher, as the benchmark's baseline: a
// hidden window whose 1 ms timer reads the exit key (Escape) and nothing else,
// beside the black full-screen backdrop that the plain design shows meanwhile
// (under Wine a process with a visible window also pays for its display
// connection at every wake-up, so a baseline without one would not compare).
// It ends when the key is held, or after the seconds given as its argument.
// Built with ZENT_PLAIN_XINPUT it is plain_xinput_watcher: the same, and it
// loads XInput from the system folder at its start and asks the four slots at
// once and every 2 s, as a plain pad exit over empty slots would. Beside the
// launcher with its pad exit on, it shows what the DLL itself costs.

#include <windows.h>
#include <xinput.h>

#include <cstdlib>

namespace {

constexpr UINT_PTR kWatch = 1;
constexpr UINT_PTR kEnd = 2;
constexpr UINT_PTR kPads = 3;
#ifdef ZENT_PLAIN_XINPUT
constexpr bool kAsksPads = true;
#else
constexpr bool kAsksPads = false;
#endif

using GetState = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
GetState g_getState = nullptr;

void AskPads() {
    for (DWORD slot = 0; slot < XUSER_MAX_COUNT; ++slot) {
        XINPUT_STATE state{};
        g_getState(slot, &state);
    }
}

LRESULT CALLBACK WatcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        if (wParam == kPads) {
            AskPads();
        } else if (wParam == kEnd || (GetKeyState(VK_ESCAPE) & 0x1000) != 0) {
            PostQuitMessage(0);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WatcherProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"PlainWatcher";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"PlainWatcher", L"Plain watcher", WS_OVERLAPPEDWINDOW, 0, 0,
                                  100, 100, nullptr, nullptr, instance, nullptr);
    HWND backdrop = CreateWindowExW(WS_EX_NOACTIVATE, L"PlainWatcher", L"Backdrop", WS_POPUP, 0, 0,
                                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                    nullptr, nullptr, instance, nullptr);
    ShowWindow(backdrop, SW_SHOWNA);
    if (kAsksPads) {
        const HMODULE xinput =
            LoadLibraryExW(L"xinput1_4.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        g_getState = xinput == nullptr ? nullptr
                                       : reinterpret_cast<GetState>(reinterpret_cast<void*>(
                                             GetProcAddress(xinput, "XInputGetState")));
        if (g_getState == nullptr) {
            return 1;
        }
        AskPads();
        SetTimer(window, kPads, 2000, nullptr);
    }
    SetTimer(window, kWatch, 1, nullptr);
    SetTimer(window, kEnd, static_cast<UINT>(std::atoi(arguments)) * 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
