#pragma once
// What the stand-in emulator and the tests that read it agree on.

namespace zent {

// The stand-in's window class, and its log beside its program file.
inline constexpr wchar_t kStandInClass[] = L"ZentavioStandIn";
inline constexpr wchar_t kStandInLogName[] = L"zentavio_standin.log";

// Modes a test can ask of the stand-in, by writing one into this file beside it.
inline constexpr wchar_t kStandInModeName[] = L"zentavio_standin.mode";
// It ends at once with this exit code, as an emulator missing a file would.
inline constexpr char kModeExitAtOnce[] = "exit-at-once";
inline constexpr unsigned kExitAtOnceCode = 3;
// It runs but never shows a window.
inline constexpr char kModeNoWindow[] = "no-window";
// It creates its window hidden, runs its message loop, and shows the window later.
inline constexpr char kModeLateWindow[] = "late-window";
inline constexpr unsigned kLateWindowDelayMs = 1500;
// "box-after-start <ms>": that long after the game starts it shows a modal box of
// its own ("Disc read error", OK), owned by its window, as an emulator's error does.
inline constexpr char kModeBoxAfterStart[] = "box-after-start";
// Closing it asks "Quit?" (Yes/No); only Yes closes it, and nobody answers.
inline constexpr char kModeQuitQuestion[] = "quit-question";
// "hold-key-in-drive-dialog <vk>": it holds that key down for a while the moment
// its drive dialog opens, as a player pressing the exit key then would.
inline constexpr char kModeHoldKeyInDriveDialog[] = "hold-key-in-drive-dialog";
inline constexpr unsigned kHeldKeyMs = 400;

// The colour the stand-in paints its window with.
inline constexpr unsigned long kStandInBackground = 0x00602010;  // RGB(16, 32, 96)

// The window of another program that a test puts in front of the launch.
inline constexpr wchar_t kForeignWindowClass[] = L"ZentavioForeignWindow";

// Posted to the stand-in's window (registered message): it looks through a
// small hole in itself at what lies below and logs "backdrop-pixel <rrggbb>".
inline constexpr wchar_t kCheckBackdropMessage[] = L"ZentavioStandInCheckBackdrop";

}  // namespace zent
