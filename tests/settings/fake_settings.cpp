#include "fake_settings.h"

namespace zent::testing {

void FakeSettingsView::RemoveGameRow(int index) {
    rows.erase(rows.begin() + index);
    selected = -1;
}

void FakeWindows::Log(const std::string& event) {
    if (disk_ != nullptr) {
        events.push_back("writes=" + std::to_string(disk_->closedCount) + " " + event);
    } else {
        events.push_back(event);
    }
}

std::vector<std::string> FakeWindows::ChooseFiles() {
    Log("ChooseFiles");
    return chosenFiles;
}

void FakeWindows::ShowKeyBox() {
    Log("ShowKeyBox");
    const bool wasOpen = keyBoxOpen;
    keyBoxOpen = true;
    if (!wasOpen) {
        ++keyBoxLoads;
    }
    if (keyBox == nullptr) {
        return;
    }
    if (wasOpen) {
        keyBox->ShowPrompt();
    } else {
        keyBox->Form_Load();
    }
}

void FakeWindows::ShowPadBox(const PadCombination& current,
                             std::function<void(const PadCombination&)> chosen) {
    Log("ShowPadBox");
    padBoxOpen = true;
    padBoxCurrent = current;
    padChosen = std::move(chosen);
}

void FakeWindows::ShowRenderer() {
    Log("ShowRenderer");
    if (!rendererOpen) {
        ++rendererLoads;
    }
    rendererOpen = true;
}

void FakeWindows::CloseKeyBox() {
    Log("CloseKeyBox");
    keyBoxOpen = false;
}

void FakeWindows::ClosePadBox() {
    Log("ClosePadBox");
    padBoxOpen = false;
}

void FakeWindows::CloseRenderer() {
    Log("CloseRenderer");
    rendererOpen = false;
}

void FakeWindows::HideSettings() {
    Log("HideSettings");
    settingsVisible = false;
}

void FakeWindows::Tell(const std::string& message) {
    Log("Tell");
    notices.push_back(message);
}

void FakeWindows::ShowError(const FatalError& error) {
    Log("ShowError");
    errors.push_back(error);
}

bool FakeWindows::AskYesNo(const std::string& title, const std::string& question) {
    questions.push_back(title + ": " + question);
    if (duringQuestion) {
        duringQuestion(question);
    }
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

Reply FakeWindows::Ask(const std::string& question, bool withCancel) {
    Log("Ask");
    questions.push_back(question);
    const Reply unanswered = withCancel ? Reply::kCancel : Reply::kNo;
    const Reply reply = replies.empty() ? unanswered : replies.front();
    replies.erase(replies.begin(), replies.begin() + (replies.empty() ? 0 : 1));
    return reply;
}

void FakeWindows::EndProgram() {
    Log("EndProgram");
    throw ProgramEnded();
}

}  // namespace zent::testing
