// The launcher's start-up: with no argument the Settings window opens; with one,
// the game it names is launched.

#include <windows.h>

#include "launch/form1_win.h"
#include "settings/settings_win.h"
#include "startup/command_line.h"
#include "startup/fatal_error_win.h"
#include "startup/file_system_win.h"
#include "startup/message_loop_win.h"
#include "startup/text_locale_win.h"
#include "startup/trace_win.h"

namespace zent {

namespace {

void Main() {
    static WindowsFileSystem files;
    SetActiveFileSystem(&files);
    SetProgramFolder(RunningProgramFolder());
    UseSystemTextLocale();
    static FileTraceSink trace(ProgramFile(kTraceFileName));
    SetTraceSink(&trace);
    const std::string commandLine = Utf8(GetCommandLineW());
    Trace("command line: " + commandLine);

    const std::string argument = ArgumentText(commandLine);
    if (argument.empty()) {
        Trace("no game named: the Settings window opens");
        ShowSettingsForm();
        return;
    }
    const std::string gameName = DeriveGameName(argument);
    Trace("game name: " + Quoted(gameName));
    LoadForm1(gameName);
}

}  // namespace

}  // namespace zent

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return zent::Guarded([] {
        zent::Main();
        return zent::RunMessageLoop();
    });
}
