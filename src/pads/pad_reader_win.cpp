#include "pads/pad_reader_win.h"

#include <windows.h>

// Types and constants only: both DLLs are loaded at run time.
#include <mmsystem.h>
#include <xinput.h>

#include <cwchar>
#include <initializer_list>

namespace zent {

static_assert(kPadUp == XINPUT_GAMEPAD_DPAD_UP);
static_assert(kPadDown == XINPUT_GAMEPAD_DPAD_DOWN);
static_assert(kPadLeft == XINPUT_GAMEPAD_DPAD_LEFT);
static_assert(kPadRight == XINPUT_GAMEPAD_DPAD_RIGHT);
static_assert(kPadStart == XINPUT_GAMEPAD_START);
static_assert(kPadBack == XINPUT_GAMEPAD_BACK);
static_assert(kPadLeftStick == XINPUT_GAMEPAD_LEFT_THUMB);
static_assert(kPadRightStick == XINPUT_GAMEPAD_RIGHT_THUMB);
static_assert(kPadLeftShoulder == XINPUT_GAMEPAD_LEFT_SHOULDER);
static_assert(kPadRightShoulder == XINPUT_GAMEPAD_RIGHT_SHOULDER);
static_assert(kPadA == XINPUT_GAMEPAD_A);
static_assert(kPadB == XINPUT_GAMEPAD_B);
static_assert(kPadX == XINPUT_GAMEPAD_X);
static_assert(kPadY == XINPUT_GAMEPAD_Y);
static_assert(kXInputSlotCount == XUSER_MAX_COUNT);

namespace {

// Windows 7 without its 2011 loader update refuses the search flag
// (ERROR_INVALID_PARAMETER); there the DLL is named by its full path in the
// system folder instead, which no other folder can answer either.
HMODULE LoadFromSystemFolder(const wchar_t* dll) {
    if (const HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return module;
    }
    if (GetLastError() != ERROR_INVALID_PARAMETER) {
        return nullptr;
    }
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + wcslen(dll) >= MAX_PATH) {
        return nullptr;
    }
    path[length] = L'\\';
    wcscpy(path + length + 1, dll);
    return LoadLibraryExW(path, nullptr, 0);
}

// The first of dlls that loads from the system folder and has the entry name;
// null when none has. Never the program's or the current folder: the launcher
// lives in the emulator's folder, where an emulator may bring a DLL of the same
// name (a pad remapper, or one for another Windows), and it must run where
// neither XInput DLL exists, so nothing of them is in its import table.
template <typename Entry>
Entry SystemEntry(std::initializer_list<const wchar_t*> dlls, const char* name) {
    for (const wchar_t* dll : dlls) {
        const HMODULE module = LoadFromSystemFolder(dll);
        if (module == nullptr) {
            continue;
        }
        if (const FARPROC entry = GetProcAddress(module, name)) {
            return reinterpret_cast<Entry>(reinterpret_cast<void*>(entry));
        }
        FreeLibrary(module);
    }
    return nullptr;
}

}  // namespace

std::optional<std::uint32_t> WindowsPadReader::XInputButtons(int slot) {
    // Windows 8 and later have xinput1_4.dll; Windows 7 only xinput9_1_0.dll.
    static const auto getState = SystemEntry<DWORD(WINAPI*)(DWORD, XINPUT_STATE*)>(
        {L"xinput1_4.dll", L"xinput9_1_0.dll"}, "XInputGetState");
    XINPUT_STATE state{};
    if (getState == nullptr || getState(static_cast<DWORD>(slot), &state) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return state.Gamepad.wButtons;
}

std::optional<std::uint32_t> WindowsPadReader::JoystickButtons(int joystick) {
    // Loaded like XInput, so that a launch without a joystick combination
    // never loads winmm and its drivers.
    static const auto getPosition =
        SystemEntry<MMRESULT(WINAPI*)(UINT, JOYINFOEX*)>({L"winmm.dll"}, "joyGetPosEx");
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNBUTTONS;
    if (getPosition == nullptr ||
        getPosition(static_cast<UINT>(joystick), &info) != JOYERR_NOERROR) {
        return std::nullopt;
    }
    return info.dwButtons;
}

}  // namespace zent
