#include "settings/settings_windows_win.h"

#include <windows.h>

#include <commdlg.h>

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

    std::string ChooseFile() override {
        // Room for the longest path Windows knows, so no choice is cut off.
        std::vector<wchar_t> path(32768, L'\0');
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = SettingsWindowHandle();
        dialog.lpstrFile = path.data();
        dialog.nMaxFile = static_cast<DWORD>(path.size());
        dialog.Flags = OFN_HIDEREADONLY;
        if (GetOpenFileNameW(&dialog)) {
            return Utf8(path.data());
        }
        if (const DWORD error = CommDlgExtendedError(); error != 0) {
            Fail(kInvalidArgument, "The open-file dialog failed (common dialog error " +
                                       std::to_string(error) + ").");
        }
        return {};
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
