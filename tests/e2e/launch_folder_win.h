#pragma once
// A fresh folder set up as a user's emulator folder: the launcher beside both
// stand-in emulators, with whatever configuration a test writes into it. The
// launch, fault and Settings end-to-end tests all run the launcher in one.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config_file.h"
#include "e2e_support_win.h"

namespace zent {

// A launcher process this test started; waits on it and ends it if a test
// left it running.
class LauncherProcess {
public:
    explicit LauncherProcess(const PROCESS_INFORMATION& started);
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;
    ~LauncherProcess();

    DWORD id() const { return id_; }
    // True once the launcher waits in its message loop with nothing to do.
    bool WaitForIdle(int timeoutMs) const;
    bool WaitForExit(int timeoutMs) const;
    DWORD ExitCode() const;
    // Ends it at once, as a front end's exit hotkey does with the program it started.
    void Terminate() const;

private:
    HANDLE process_;
    DWORD id_;
};

class LaunchFolder {
public:
    // The folder's name ends with name, when given, so that a test can name it
    // in any language.
    explicit LaunchFolder(const std::string& name = "");
    // Ends what still runs from the folder, read-only files included, and removes it.
    LaunchFolder(const LaunchFolder&) = delete;
    LaunchFolder& operator=(const LaunchFolder&) = delete;
    ~LaunchFolder();

    // The folder's path, UTF-8.
    std::string Path() const { return Narrow(path_); }
    void Write(const std::string& name, const std::string& bytes) const;
    std::optional<std::string> Read(const std::string& name) const;

    // Runs the launcher as a front end would: its quoted path, a blank, then
    // the argument text unaltered (empty: the Settings window).
    std::unique_ptr<LauncherProcess> Start(const std::string& argument) const;

    // The stand-in emulator's log, line by line; empty while nothing started.
    std::vector<std::string> LogLines() const { return Lines(Narrow(kStandInLogName)); }
    // A text file of the folder, line by line; empty when it is missing.
    std::vector<std::string> Lines(const std::string& name) const;

    std::wstring PathOf(const std::string& name) const;

private:
    std::wstring path_;
};

// A window of another program in front of the launch, as a front end's would
// be, that writes down the keys and commands it receives; ended when the test is.
class ForeignWindow {
public:
    explicit ForeignWindow(const LaunchFolder& folder);
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;
    ~ForeignWindow();

    // What reached it: "key 27", "key alt+115", "close-command", ...
    std::vector<std::string> Received() const;
    bool InFront() const;

private:
    const LaunchFolder& folder_;
    PROCESS_INFORMATION process_{};
};

// The fields of the first log line that starts with the words of prefix, such
// as "snapshot close" or "backdrop-pixel": each name=value word by its name, a
// word without "=" under "value". Empty when no line starts so.
std::map<std::string, std::string> LineFields(const std::vector<std::string>& lines,
                                              const std::string& prefix);

// The log lines that record what the emulator was told to do, in order: the
// menu commands and the drive chosen.
std::vector<std::string> CommandLines(const std::vector<std::string>& lines);

}  // namespace zent
