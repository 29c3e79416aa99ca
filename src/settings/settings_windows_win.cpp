#include "settings/settings_windows_win.h"

#include <windows.h>

#include <commdlg.h>

#include <cwchar>
#include <vector>

#include "launch/form1_win.h"
#include "settings/key_box_win.h"
#include "settings/pad_box_win.h"
#include "settings/renderer_win.h"
#include "settings/settings_win.h"
#include "startup/fatal_error.h"
#include "startup/fatal_error_win.h"
#include "startup/text_locale_win.h"

namespace zent {

namespace {

class WindowsSettingsWindows : public SettingsWindows {
public:
    SettingsView* Settings() override { return SettingsViewIfOpen(); }

    std::vector<std::string> ChooseFiles() override {
        // Room for a few thousand chosen names, so no choice is cut off.
        std::vector<wchar_t> buffer(1 << 20, L'\0');
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = SettingsWindowHandle();
        dialog.lpstrFile = buffer.data();
        dialog.nMaxFile = static_cast<DWORD>(buffer.size());
        dialog.Flags = OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_EXPLORER;
        if (!GetOpenFileNameW(&dialog)) {
            if (const DWORD error = CommDlgExtendedError(); error != 0) {
                Fail(kInvalidArgument, "The open-file dialog failed (common dialog error " +
                                           std::to_string(error) + ").");
            }
            return {};
        }
        // One file: its full path. Several: the folder, then each file's name,
        // every text ended by a 0 and the last by two.
        std::vector<std::string> texts;
        for (const wchar_t* text = buffer.data(); *text != L'\0'; text += wcslen(text) + 1) {
            texts.push_back(Utf8(text));
        }
        if (texts.size() < 2) {
            return texts;
        }
        const std::string folder =
            texts.front().ends_with('\\') ? texts.front() : texts.front() + "\\";
        std::vector<std::string> paths;
        for (std::size_t i = 1; i < texts.size(); ++i) {
            paths.push_back(folder + texts[i]);
        }
        return paths;
    }

    void ShowKeyBox() override { ShowKeyBoxWindow(); }
    void CloseKeyBox() override { UnloadKeyBoxWindow(); }
    void ShowPadBox(const PadCombination& current,
                    std::function<void(const PadCombination&)> chosen) override {
        zent::ShowPadBox(SettingsWindowHandle(), current, std::move(chosen));
    }
    void ClosePadBox() override { zent::ClosePadBox(); }
    void ShowRenderer() override { ShowRendererWindow(); }
    void CloseRenderer() override { UnloadRendererWindow(); }

    bool AskYesNo(const std::string& title, const std::string& question) override {
        return MessageBoxW(RendererWindowHandle(), Wide(question).c_str(), Wide(title).c_str(),
                           MB_YESNO | MB_DEFBUTTON1) == IDYES;
    }

    // No is the default answer, and Cancel where it is offered: Enter saves nothing.
    Reply Ask(const std::string& question, bool withCancel) override {
        const UINT buttons = withCancel ? MB_YESNOCANCEL | MB_DEFBUTTON3 : MB_YESNO | MB_DEFBUTTON2;
        switch (MessageBoxW(SettingsWindowHandle(), Wide(question).c_str(), kProgramTitle,
                            buttons | MB_ICONQUESTION)) {
            case IDYES:
                return Reply::kYes;
            case IDNO:
                return Reply::kNo;
            default:
                return Reply::kCancel;
        }
    }

    void Tell(const std::string& message) override {
        MessageBoxW(SettingsWindowHandle(), Wide(message).c_str(), kProgramTitle,
                    MB_OK | MB_ICONWARNING);
    }

    void ShowError(const FatalError& error) override {
        ShowErrorBox(error, SettingsWindowHandle());
    }

    void HideSettings() override { HideSettingsWindow(); }
    void ShowLaunchForm(const std::string& gameName) override { ShowForm1(gameName); }

    // Save and Exit ends the run at once: open dialogs close with the process and
    // run no further handler.
    [[noreturn]] void EndProgram() override { ExitProcess(0); }
};

}  // namespace

SettingsWindows& TheSettingsWindows() {
    static WindowsSettingsWindows windows;
    return windows;
}

}  // namespace zent
