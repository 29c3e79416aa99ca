#include "startup/message_loop_win.h"

#include <algorithm>
#include <vector>

namespace zent {

namespace {
int g_openWindows = 0;
std::vector<HWND> g_dialogs;

// Tab, Enter and access keys go to the modeless dialog the message is for.
void Dispatch(MSG& message) {
    const bool handled = std::any_of(g_dialogs.begin(), g_dialogs.end(), [&](HWND dialog) {
        return (dialog == message.hwnd || IsChild(dialog, message.hwnd)) &&
               IsDialogMessageW(dialog, &message);
    });
    if (!handled) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

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
        Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

bool HandleQueuedMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Dispatch(message);
    }
    return true;
}

}  // namespace zent
