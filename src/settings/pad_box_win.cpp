#include "settings/pad_box_win.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "settings/form_window_win.h"
#include "pads/pad_capture.h"
#include "pads/pad_reader_win.h"

namespace zent {

namespace {

using enum ControlKind;

constexpr std::array kPadBoxControls = {
    ControlPlacement{kLblPadPrompt, Label, "Hold the buttons on your pad, then release them", 120,
                     120, 4560, 255},
    // Two lines: a joystick's combination of many buttons wraps.
    ControlPlacement{kLblPadNow, Label, "", 120, 435, 4560, 435},
    // Cancel first in tab order, so that the focus is on the harmless button.
    ControlPlacement{kCmdPadCancel, PushButton, "Cancel", 3585, 960, 1095, 375},
    ControlPlacement{kCmdPadOff, PushButton, "Off", 2400, 960, 1095, 375},
};
const FormLayout kPadBoxLayout{"Pad Exit", 4800, 1455, kPadBoxControls};

constexpr UINT_PTR kPollTimer = 1;
// About one frame: a tap of a button is seen, at a cost the Settings window
// never notices.
constexpr UINT kPollInterval = 16;

WindowsPadReader& Reader() {
    static WindowsPadReader reader;
    return reader;
}

// One opening of the dialog: a fresh poller asks every slot at once, so that
// a pad plugged in since the last opening is found.
struct PadBoxSession {
    explicit PadBoxSession(std::uint64_t now) : poller(Reader()), capture(now) {}
    PadPoller poller;
    PadCapture capture;
    std::function<void(const PadCombination&)> chosen;
};

LRESULT CALLBACK PadBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

const FormClass kPadBoxClass = ToolWindowForm(L"ZentavioPadBox", kCounted<PadBoxProcedure>,
                                              "pad capture window", CreateMessageFont, true);

FormWindow g_form{&kPadBoxClass, &kPadBoxLayout};
std::optional<PadBoxSession> g_session;

PadCaptureState PollPads() {
    const std::uint64_t now = GetTickCount64();
    g_session->capture.Feed(g_session->poller.Poll(now, true, kAllJoysticks), now);
    return g_session->capture.State();
}

// The dialog closes before chosen runs: a box that chosen shows would run a
// message loop that still delivered this dialog's ticks.
void Close(const std::optional<PadCombination>& answer) {
    const auto chosen = std::move(g_session->chosen);
    DestroyForm(g_form);
    if (answer && chosen) {
        chosen(*answer);
    }
}

void OnTick() {
    switch (PollPads()) {
        case PadCaptureState::kDone:
            Close(g_session->capture.Result());
            break;
        case PadCaptureState::kTimedOut:
            Close(std::nullopt);
            break;
        default:
            break;
    }
}

// Pad mappers turn pad buttons into keys, Back into Escape as often as not: a
// key or click that comes while the capture's pad is held is taken for the
// mapper's, and the player's combination goes on.
void OnButton(std::optional<PadCombination> answer) {
    if (PollPads() != PadCaptureState::kHolding) {
        Close(answer);
    }
}

LRESULT CALLBACK PadBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return FormProcedureCall(g_form, window, message, wParam, lParam, [&] {
        switch (message) {
            case WM_TIMER:
                OnTick();
                return true;
            case WM_COMMAND:
                // Escape arrives as Cancel's click, from the dialog-key handling.
                if (HIWORD(wParam) != BN_CLICKED) {
                    return false;
                }
                if (LOWORD(wParam) == kCmdPadCancel) {
                    OnButton(std::nullopt);
                } else if (LOWORD(wParam) == kCmdPadOff) {
                    OnButton(PadCombination{});
                }
                return true;
            case WM_NCDESTROY:
                g_session.reset();
                return false;
            default:
                return false;
        }
    });
}

// Over the window it was opened from, where the player is looking, but whole
// on its screen: the Settings window is narrower than the box, and may stand
// at the screen's edge.
void PlaceOver(HWND owner) {
    RECT around, box;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (owner == nullptr || !GetWindowRect(owner, &around) || !GetWindowRect(g_form.window, &box) ||
        !GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    const RECT& screen = monitor.rcWork;
    const LONG x = std::clamp((around.left + around.right - width) / 2, screen.left,
                              std::max(screen.left, screen.right - width));
    const LONG y = std::clamp((around.top + around.bottom - height) / 2, screen.top,
                              std::max(screen.top, screen.bottom - height));
    SetWindowPos(g_form.window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ShowPadBox(HWND owner, const PadCombination& current,
                std::function<void(const PadCombination&)> chosen) {
    ShowForm(g_form, [&] {
        g_session.emplace(GetTickCount64());
        // The buttons held right now are seen first, and so count only once released.
        PollPads();
        PlaceOver(owner);
        if (SetTimer(g_form.window, kPollTimer, kPollInterval, nullptr) == 0) {
            FailWindowsResource("The pad capture could not be started");
        }
    });
    g_session->chosen = std::move(chosen);
    SetControlText(GetDlgItem(g_form.window, kLblPadNow), "Now: " + PadCombinationText(current));
}

void ClosePadBox() {
    DestroyForm(g_form);
}

}  // namespace zent
