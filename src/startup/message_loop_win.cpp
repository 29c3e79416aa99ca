#include "startup/message_loop_win.h"

#include <algorithm>
#include <vector>

namespace zent {

namespace {
int g_openWindows = 0;
std::vector<HWND> g_dialogs;
}  // namespace

void TopLevelWindowOpened() {
    ++g_openWindows;
}

void TopLevelWindowClosed() {
    if (--g_openWindows <= 0) {
        PostQuitMessage(0);
    }
}

void EnableDialogKeys(HWND window) {
    g_dialogs.push_back(window);
}

void DisableDialogKeys(HWND window) {
    std::erase(g_dialogs, window);
}

int RunMessageLoop() {
    if (g_openWindows <= 0) {
        return 0;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const bool handled = std::any_of(g_dialogs.begin(), g_dialogs.end(), [&](HWND dialog) {
            return (dialog == message.hwnd || IsChild(dialog, message.hwnd)) &&
                   IsDialogMessageW(dialog, &message);
        });
        if (!handled) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace zent
