#include "launch/emulator_window.h"

#include "launch/launch_state.h"
#include "launch/styles.h"
#include "startup/fatal_error.h"
#include "startup/trace.h"

namespace zent {

bool IsEmulatorWindow(Desktop& desktop, WindowHandle window) {
    return window != 0 && Launch.EmulatorProcess != 0 &&
           desktop.WindowProcess(window) == Launch.EmulatorProcess;
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
    Launch.ScreenWidth = screen.SystemMetric(kScreenWidthMetric);
    Launch.ScreenHeight = screen.SystemMetric(kScreenHeightMetric);
    screen.MoveCursor(Launch.ScreenWidth, 0);

    // The backdrop never takes the focus: the emulator may still have menu keys
    // queued, and a window that loses the keyboard can drop them.
    const WindowHandle backdrop = screen.ShowBackdrop();
    desktop.PlaceWindow(backdrop, kInsertAtTop, 0, 0, Launch.ScreenWidth, Launch.ScreenHeight,
                        kPositionNoActivate);

    if (Launch.EmulatorWindow == 0) {
        Trace("the backdrop is shown; the window in front, " +
              Quoted(desktop.WindowTitle(foreground)) + ", is not the emulator's: left as it is");
        return;
    }
    StripWindowFrame(desktop, Launch.EmulatorWindow);
    // Shown and activated, so the speed keys and Alt+F4 reach it whatever
    // happened to the focus meanwhile.
    desktop.PlaceWindow(Launch.EmulatorWindow, kInsertTopMost, 0, -kHiddenTopRows,
                        Launch.ScreenWidth, Launch.ScreenHeight + kHiddenTopRows,
                        kPositionShowWindow);
    Trace("the emulator's window " + Quoted(desktop.WindowTitle(Launch.EmulatorWindow)) +
          " placed at 0," + std::to_string(-kHiddenTopRows) + " size " +
          std::to_string(Launch.ScreenWidth) + "x" +
          std::to_string(Launch.ScreenHeight + kHiddenTopRows) + ", topmost, over the backdrop");
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
