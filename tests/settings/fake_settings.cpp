#include "fake_settings.h"

#include "startup/fatal_error.h"

namespace zent::testing {

namespace {

class MemoryFile : public OutputFile {
public:
    MemoryFile(MemoryFileSystem& disk, std::string path) : disk_(disk), path_(std::move(path)) {}
    void Write(std::string_view bytes) override { text_ += bytes; }
    void Flush() override {}
    void Close() override {
        disk_.files[path_] = text_;
        ++disk_.writes;
    }

private:
    MemoryFileSystem& disk_;
    std::string path_;
    std::string text_;
};

}  // namespace

std::string MemoryFileSystem::ReadAll(const std::string& path) {
    const auto found = files.find(path);
    if (found == files.end()) {
        Fail(kFileNotFound, "File not found: " + path);
    }
    return found->second;
}

std::unique_ptr<OutputFile> MemoryFileSystem::Create(const std::string& path) {
    return std::make_unique<MemoryFile>(*this, path);
}

void MemoryFileSystem::Replace(const std::string& source, const std::string& target) {
    files[target] = ReadAll(source);
    files.erase(source);
}

void FakeSettingsView::RemoveGameRow(int index) {
    rows.erase(rows.begin() + index);
    selected = -1;
}

void FakeWindows::Log(const std::string& event) {
    if (disk_ != nullptr) {
        events.push_back("writes=" + std::to_string(disk_->writes) + " " + event);
    } else {
        events.push_back(event);
    }
}

std::string FakeWindows::ChooseFile() {
    Log("ChooseFile");
    return chosenFile;
}

void FakeWindows::ShowKeyBox() {
    Log("ShowKeyBox");
    if (!keyBoxOpen) {
        ++keyBoxLoads;
    }
    keyBoxOpen = true;
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

bool FakeWindows::AskYesNo(const std::string& title, const std::string& question) {
    questions.push_back(title + ": " + question);
    if (duringQuestion) {
        duringQuestion(question);
    }
    if (answers.empty()) {
        return true;
    }
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

void FakeWindows::EndProgram() {
    Log("EndProgram");
    throw ProgramEnded();
}

}  // namespace zent::testing
