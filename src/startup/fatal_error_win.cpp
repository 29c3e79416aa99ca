#include "startup/fatal_error_win.h"

#include <optional>
#include <string_view>

#include "pads/pad_answer.h"
#include "startup/text_locale_win.h"
#include "startup/trace.h"

namespace zent {

namespace {

bool g_stopping = false;
void (*g_epilogue)() = nullptr;
std::optional<RECT> g_boxArea;
PadReader* g_boxPads = nullptr;

// The box of ShowErrorBox while it shows, and what answers it from the pads.
HWND g_box = nullptr;
std::optional<PadAnswer> g_padAnswer;

// How often the pads are asked while a box shows.
constexpr UINT kBoxPadInterval = 20;

// The box is activated once it is laid out: it goes to the middle of the area then.
LRESULT CALLBACK PlaceBox(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    if (code == HCBT_ACTIVATE && g_box == nullptr && GetClassNameW(window, className, 16) > 0 &&
        std::wstring_view(className) == L"#32770") {
        g_box = window;
        RECT box{};
        if (g_boxArea && GetWindowRect(window, &box)) {
            const RECT& area = *g_boxArea;
            SetWindowPos(window, nullptr, (area.left + area.right - (box.right - box.left)) / 2,
                         (area.top + area.bottom - (box.bottom - box.top)) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A thread timer: the box's own message loop dispatches it.
void CALLBACK AskPads(HWND, UINT, UINT_PTR, DWORD) {
    if (g_box != nullptr && g_padAnswer && g_padAnswer->Answered(GetTickCount64())) {
        Trace("the box was answered from a pad");
        PostMessageW(g_box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        g_padAnswer.reset();
    }
}

}  // namespace

void CentreBoxesOn(const RECT& area) {
    g_boxArea = area;
}

void AnswerBoxesWithPads(PadReader* pads) {
    g_boxPads = pads;
}

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
    g_box = nullptr;
    const HHOOK hook = SetWindowsHookExW(WH_CBT, PlaceBox, nullptr, GetCurrentThreadId());
    UINT_PTR padTimer = 0;
    if (g_boxPads != nullptr) {
        g_padAnswer.emplace(*g_boxPads);
        padTimer = SetTimer(nullptr, 0, kBoxPadInterval, AskPads);
    }
    MessageBoxW(owner, Wide(error.MessageText()).c_str(), kProgramTitle,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
    if (padTimer != 0) {
        KillTimer(nullptr, padTimer);
    }
    g_padAnswer.reset();
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
    }
    g_box = nullptr;
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
