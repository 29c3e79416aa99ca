#include "launch/emulator_window.h"

#include <algorithm>

#include "launch/game_display.h"
#include "launch/launch_state.h"
#include "launch/styles.h"
#include "startup/fatal_error.h"
#include "startup/trace.h"

namespace zent {

bool IsEmulatorWindow(Desktop& desktop, WindowHandle window) {
    return window != 0 && Launch.EmulatorProcess != 0 &&
           desktop.WindowProcess(window) == Launch.EmulatorProcess;
}

// Measured once the frame is gone, from the window itself: a menu bar is
// taller at a higher DPI, and Windows scales up the whole window of an
// emulator that is not DPI-aware.
int HiddenTopRows(Desktop& desktop, WindowHandle window) {
    return std::max(kHiddenTopRows, desktop.RowsAboveClient(window));
}

// The foreground window is taken on trust only as far as its process: if the
// emulator failed to come up, or another program took the focus, that window
// keeps its frame and place instead of being made a borderless topmost cover.
// A box or dialog the emulator shows as the game starts is in front then; the
// game's window is the one that owns it.
void PlaceEmulatorWindow(Desktop& desktop, Screen& screen) {
    const WindowHandle foreground = desktop.ForegroundWindow();
    const WindowHandle main =
        IsEmulatorWindow(desktop, foreground) ? desktop.RootOwner(foreground) : 0;
    Launch.EmulatorWindow = IsEmulatorWindow(desktop, main) ? main : 0;
    const DisplayArea display = ChosenGameDisplay();
    // Its last column: one further is the neighbouring display's.
    screen.MoveCursor(display.left + display.width - 1, display.top);

    // The backdrop never takes the focus: the emulator may still have menu keys
    // queued, and a window that loses the keyboard can drop them.
    screen.ShowBackdrop(display);

    if (Launch.EmulatorWindow == 0) {
        Trace("the backdrop is shown; the window in front, " +
              Quoted(desktop.WindowTitle(foreground)) + ", is not the emulator's: left as it is");
        return;
    }
    StripWindowFrame(desktop, Launch.EmulatorWindow);
    const int hidden = HiddenTopRows(desktop, Launch.EmulatorWindow);
    // Shown and activated, so the speed keys and Alt+F4 reach it whatever
    // happened to the focus meanwhile.
    desktop.PlaceWindow(Launch.EmulatorWindow, kInsertTopMost, display.left, display.top - hidden,
                        display.width, display.height + hidden, kPositionShowWindow);
    Trace("the emulator's window " + Quoted(desktop.WindowTitle(Launch.EmulatorWindow)) +
          " placed at " + std::to_string(display.left) + "," +
          std::to_string(display.top - hidden) + " size " + std::to_string(display.width) + "x" +
          std::to_string(display.height + hidden) + ", topmost, over the backdrop");
    if (foreground != Launch.EmulatorWindow) {
        // The box stays where it was, in front of its window and with the
        // keyboard: Windows keeps the owned windows of a topmost window in front
        // of it, but not every window manager does, and a box hidden behind the
        // full-screen game would leave the player facing a game that no longer answers.
        desktop.PlaceWindow(foreground, kInsertTopMost, 0, 0, 0, 0,
                            kPositionNoMove | kPositionNoSize);
        Trace("its box " + Quoted(desktop.WindowTitle(foreground)) + " kept in front of it");
    }
}

}  // namespace zent
