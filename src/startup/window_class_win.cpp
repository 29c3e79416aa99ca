#include "startup/window_class_win.h"

#include <string>

#include "startup/fatal_error_win.h"
#include "startup/message_loop_win.h"
#include "startup/resources/resource_ids.h"

namespace zent {

namespace {

[[noreturn]] void FailWindow(const WindowClass& windowClass) {
    FailWindowsResource(std::string("The ") + windowClass.what + " could not be created");
}

void RegisterOnce(const WindowClass& windowClass, HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, windowClass.name, &existing)) {
        return;
    }
    WNDCLASSEXW registered{};
    registered.cbSize = sizeof registered;
    registered.lpfnWndProc = windowClass.procedure.counted();
    registered.hInstance = instance;
    registered.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    registered.hbrBackground = windowClass.background;
    registered.lpszClassName = windowClass.name;
    if (windowClass.withIcon) {
        const LPCWSTR icon = MAKEINTRESOURCEW(ZENT_APP_ICON);
        registered.hIcon = static_cast<HICON>(
            LoadImageW(instance, icon, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        registered.hIconSm =
            static_cast<HICON>(LoadImageW(instance, icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    }
    if (RegisterClassExW(&registered) == 0) {
        FailWindow(windowClass);
    }
}

}  // namespace

HWND CreateTopLevelWindow(const WindowClass& windowClass, const wchar_t* title, POINT position,
                          SIZE size) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterOnce(windowClass, instance);
    const HWND window = CreateWindowExW(windowClass.extendedStyle, windowClass.name, title,
                                        windowClass.style, position.x, position.y, size.cx, size.cy,
                                        nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        FailWindow(windowClass);
    }
    TopLevelWindowOpened();
    return window;
}

}  // namespace zent
