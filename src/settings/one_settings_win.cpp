#include "settings/one_settings_win.h"

#include <cstdint>
#include <string>

#include "startup/text_conversions.h"

namespace zent {

namespace {

constexpr const wchar_t* kFolderProperty = L"ZentavioWrapperFolder";

HANDLE g_claim = nullptr;
std::uint64_t g_folder = 0;

// The folder as a number a window can carry: FNV-1a of its upper-cased path
// (Windows paths ignore letter case); never 0, which means no property.
std::uint64_t FolderKey(const std::string& folder) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : UpperCase(folder)) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash == 0 ? 1 : hash;
}

struct Search {
    std::uint64_t folder;
    HWND found = nullptr;
};

BOOL CALLBACK MatchFolder(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    const auto key = reinterpret_cast<std::uintptr_t>(GetPropW(window, kFolderProperty));
    if (key == search.folder && IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// The other process's window, given a few seconds to appear: that process may
// have claimed the folder a moment ago and still be loading.
HWND OpenWindowOf(std::uint64_t folder) {
    Search search{folder};
    for (int tries = 0; tries < 100 && search.found == nullptr; ++tries) {
        EnumWindows(MatchFolder, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(50);
        }
    }
    return search.found;
}

}  // namespace

bool ClaimSettingsFolder(const std::string& folder) {
    g_folder = FolderKey(folder);
    const std::wstring name = L"Local\\ZentavioWrapperSettings-" + std::to_wstring(g_folder);
    g_claim = CreateMutexW(nullptr, TRUE, name.c_str());
    if (g_claim != nullptr && GetLastError() != ERROR_ALREADY_EXISTS) {
        return true;
    }
    if (g_claim != nullptr) {
        CloseHandle(g_claim);
        g_claim = nullptr;
    }
    if (HWND open = OpenWindowOf(g_folder)) {
        if (IsIconic(open)) {
            ShowWindow(open, SW_RESTORE);
        }
        SetForegroundWindow(open);
    }
    return false;
}

void MarkSettingsWindow(HWND window) {
    SetPropW(window, kFolderProperty,
             reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(g_folder)));
}

void ReleaseSettingsFolder() {
    if (g_claim != nullptr) {
        ReleaseMutex(g_claim);
        CloseHandle(g_claim);
        g_claim = nullptr;
    }
}

}  // namespace zent
