#pragma once
// The job that ties the emulator's life to the launcher's. Front ends end the
// program they started, by TerminateProcess or a script that closes it by name;
// here that program is the launcher, and without the job the emulator would
// stay behind, borderless, topmost and full screen, with no exit key watched.

#include <windows.h>

namespace zent {

// Puts process (started suspended) in a new job whose processes end when the
// launcher's last handle to it closes, however the launcher ends. Returns that
// handle, which the launcher keeps open for its life and no child inherits; null
// when Windows refuses the job (Windows 7 when a front end's own job allows no
// breakaway), in which case the launch goes on without it.
HANDLE JoinJobEndingWithLauncher(HANDLE process);

}  // namespace zent
