#pragma once
// The launch types blind, into whatever has the focus. The guard is the keyboard
// the steps type on, in front of the real one, and keeps that safe: every pause
// watches the exit key and the pad exit, and before each press or chord they are
// checked again and the window in front must belong to the emulator we started.
// Any other window in front stops the launch before the key, so no key ever
// reaches another program.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "launch/launch_platform.h"

namespace zent {

// How long the emulator may take, beyond the fixed 500 ms, to bring a window to the front.
inline constexpr std::uint32_t kEmulatorWindowTimeout = 10000;
// The emulator's window is given this long after it came up before the first key.
inline constexpr std::uint32_t kEmulatorSettleTime = 500;
// A window of the emulator kept behind another program's this long is brought
// to the front.
inline constexpr std::uint32_t kEmulatorBehindTimeout = 1000;
// While the focus moves between two windows no window is in front; this long
// is allowed for the move before the launch stops.
inline constexpr std::uint32_t kFocusMoveTimeout = 1000;
// The exit key is looked at with the granularity of Timer1: every wait of the
// launch wakes at least this often.
inline constexpr std::uint32_t kWatchInterval = 1;

class LaunchGuard final : public Keyboard {
public:
    LaunchGuard(Keyboard& keyboard, Desktop& desktop, Processes& processes, Clock& clock)
        : keyboard_(keyboard), desktop_(desktop), processes_(processes), clock_(clock) {}

    // A held exit key or pad exit stops the launch here (ExitKeyStop).
    void CheckExitKey();

    // The step under way, which the trace names when the guard stops the launch.
    void BeginStep(const char* name) { step_ = name; }

    // Returns once a window of the emulator is in front, given time to settle
    // when it came only now; a window kept behind another program's is brought
    // to the front once. Stops the launch, with nothing typed and the emulator
    // closed, when it ends first or shows no window in front in the time allowed.
    void AwaitEmulatorInFront(const std::string& programPath);

    // The keys pressed since the last call, for the trace: "Alt+O Enter Tab Tab".
    std::string TakeKeys();

    // Checks before the first event of every press or chord, never between the
    // events of one, so a stopped launch leaves no key down.
    void KeyboardEvent(KeyCode key, std::uint8_t scanCode, std::uint32_t flags,
                       std::uintptr_t extraInfo) override;
    std::uint16_t KeyState(std::int32_t key) override { return keyboard_.KeyState(key); }
    // Sleeps as long, watching the exit key all the while.
    void Sleep(std::uint32_t milliseconds) override;

private:
    bool EmulatorInFront();
    // Brings the emulator's window to the front once it has stayed behind
    // another program's window long enough; true when it did. behindSince is
    // when that began, kept between calls.
    bool EmulatorBroughtToFront(std::optional<std::uint64_t>& behindSince);
    // Waits until done(whether the emulator has ended) holds or the time is up,
    // looking at the exit key each time the wait wakes; true when done held.
    bool WaitWatching(const std::function<bool(bool)>& done, std::uint32_t milliseconds);
    void RequireEmulatorInFront();
    // "Front End" (the window's title), for messages.
    std::string Describe(WindowHandle window);

    Keyboard& keyboard_;
    Desktop& desktop_;
    Processes& processes_;
    Clock& clock_;
    int keysDown_ = 0;
    bool altDown_ = false;
    std::vector<std::string> strokes_;
    const char* step_ = "its start";
};

}  // namespace zent
