#include "startup/fatal_error_win.h"

#include "startup/text_locale_win.h"
#include "startup/trace.h"

namespace zent {

namespace {
bool g_stopping = false;
void (*g_epilogue)() = nullptr;
}  // namespace

bool FatalStopInProgress() {
    return g_stopping;
}

void FailWindowsResource(const std::string& failure) {
    const DWORD code = GetLastError();
    Fail(kOutOfMemory, failure + " (Windows error " + std::to_string(code) +
                           "). Close some programs and try again.");
}

void ShowErrorBox(const FatalError& error, HWND owner) {
    Trace("error " + std::to_string(error.number()) + ": " + error.description());
    MessageBoxW(owner, Wide(error.MessageText()).c_str(), kProgramTitle,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}

void SetFatalStopEpilogue(void (*epilogue)()) {
    g_epilogue = epilogue;
}

void FatalErrorStop(const FatalError& error) {
    g_stopping = true;
    ShowErrorBox(error);
    if (g_epilogue != nullptr) {
        try {
            g_epilogue();
        } catch (...) {
        }
    }
    ExitProcess(static_cast<UINT>(error.number()));
}

}  // namespace zent
