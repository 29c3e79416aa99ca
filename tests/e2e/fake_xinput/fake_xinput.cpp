// A stand-in for xinput1_4.dll that plays scripted pads, so that the pad exit
// can be tested under Wine without pad hardware.
//   ZENT_FAKE_PAD_SCRIPT  changes "<ms> <slot> <buttons in hex, or - unplugged>",
//                         separated by ";", ms counted from the first call; a
//                         slot is empty until its first change

#include <windows.h>
#include <xinput.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Change {
    ULONGLONG at;
    DWORD slot;
    std::optional<WORD> buttons;
};

std::string Environment(const char* name) {
    std::string value(GetEnvironmentVariableA(name, nullptr, 0), '\0');
    value.resize(GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

std::vector<Change> ReadScript() {
    std::vector<Change> script;
    std::istringstream changes(Environment("ZENT_FAKE_PAD_SCRIPT"));
    for (std::string line; std::getline(changes, line, ';');) {
        std::istringstream fields(line);
        Change change{};
        std::string buttons;
        if (fields >> change.at >> change.slot >> buttons) {
            if (buttons != "-") {
                change.buttons = static_cast<WORD>(std::strtoul(buttons.c_str(), nullptr, 16));
            }
            script.push_back(change);
        }
    }
    return script;
}

std::array<unsigned long, XUSER_MAX_COUNT> calls{};

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    static const std::vector<Change> script = ReadScript();
    static const ULONGLONG start = GetTickCount64();
    if (slot >= XUSER_MAX_COUNT) {
        return ERROR_BAD_ARGUMENTS;
    }
    ++calls[slot];
    const ULONGLONG now = GetTickCount64() - start;
    std::optional<WORD> buttons;
    for (const Change& change : script) {
        if (change.slot == slot && change.at <= now) {
            buttons = change.buttons;
        }
    }
    if (!buttons) {
        return ERROR_DEVICE_NOT_CONNECTED;
    }
    *state = XINPUT_STATE{};
    state->dwPacketNumber = calls[slot];
    state->Gamepad.wButtons = *buttons;
    return ERROR_SUCCESS;
}
