#include "startup/window_class_win.h"

#include <string>

#include "startup/fatal_error.h"

namespace zent {

namespace {
[[noreturn]] void FailWindow(const char* what, const char* step) {
    // Windows runs out of window or class slots only when the desktop is exhausted.
    Fail(kOutOfMemory, std::string("The ") + what + " could not be " + step + " (Windows error " +
                           std::to_string(GetLastError()) +
                           "). Close some programs and try again.");
}
}  // namespace

void RegisterWindowClassOnce(const WNDCLASSA& windowClass, const char* what) {
    WNDCLASSA existing{};
    if (GetClassInfoA(windowClass.hInstance, windowClass.lpszClassName, &existing)) {
        return;
    }
    if (RegisterClassA(&windowClass) == 0) {
        FailWindow(what, "registered");
    }
}

HWND RequireWindow(HWND window, const char* what) {
    if (window == nullptr) {
        FailWindow(what, "created");
    }
    return window;
}

}  // namespace zent
