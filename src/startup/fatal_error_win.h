#pragma once
// The fatal error stop and the guard every entry from the message loop runs in.

#include <windows.h>

#include <new>
#include <string>
#include <type_traits>

#include "pads/pad_reader.h"
#include "startup/fatal_error.h"

namespace zent {

// The caption of the launcher's message boxes.
inline constexpr wchar_t kProgramTitle[] = L"Zentavio Wrapper";

// The "Zentavio Wrapper" box with the error's number and description, over
// owner (none: over every window); returns when it is dismissed.
void ShowErrorBox(const FatalError& error, HWND owner = nullptr);

// The launch's boxes from now on: centred on area (the game's display),
// explicitly, since centring on an owner cannot tell overlapping or mirrored
// displays apart.
void CentreBoxesOn(const RECT& area);
// The launch's boxes from now on are answered, as their OK, by A, B or Start
// pressed and let go on any XInput pad of pads.
void AnswerBoxesWithPads(PadReader* pads);

// Shows the error box and ends the process (exit code: the error number) when
// it is dismissed, after the epilogue set last, if any.
[[noreturn]] void FatalErrorStop(const FatalError& error);
// What the launch does between the box's OK and the end: the player goes back
// to the front end. Errors in it are ignored; the process ends all the same.
void SetFatalStopEpilogue(void (*epilogue)());

// Windows refused a resource the launcher cannot do without (a window, a timer,
// a mutex), which happens only when the desktop has run out of them. Stops with
// failure ("The launch window could not be created"), the Windows error and what
// the user can do about it.
[[noreturn]] void FailWindowsResource(const std::string& failure);

// True once a stop is under way: the box's own message loop may still deliver
// timer ticks and clicks, which must not run more of the launcher.
bool FatalStopInProgress();

template <typename Entry>
auto Guarded(Entry&& entry) -> decltype(entry()) {
    try {
        return entry();
    } catch (const FatalError& error) {
        FatalErrorStop(error);
    } catch (const std::bad_alloc&) {
        FatalErrorStop(FatalError(kOutOfMemory, "The launcher ran out of memory."));
    } catch (const std::exception& error) {
        FatalErrorStop(
            FatalError(kInvalidArgument, std::string("Internal error: ") + error.what()));
    }
}

// A window procedure body run under the guard; while a stop is under way the
// message only gets the default handling.
template <typename Handler>
LRESULT GuardedWindowCall(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          Handler&& handler) {
    if (FatalStopInProgress()) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&]() -> LRESULT { return handler(); });
}

}  // namespace zent
