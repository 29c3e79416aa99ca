// config_bench [runs]
// The configuration store with the most games the file can announce (32767):
// load and look up the last game, compose the file's text, save it to a file
// system held in memory. Prints the median and the slowest wall time of the runs
// and the median processor time in ms; on a busy machine the processor time is
// the steadier figure.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config_file.h"
#include "startup/config_store.h"
#include "startup/file_system.h"

namespace {

constexpr int kMostGames = 32767;

class MemoryFile : public zent::OutputFile {
public:
    explicit MemoryFile(std::string& bytes) : bytes_(bytes) {}
    void Write(std::string_view bytes) override { bytes_.append(bytes); }
    void Flush() override {}
    void Close() override {}

private:
    std::string& bytes_;
};

class MemoryInput : public zent::InputFile {
public:
    explicit MemoryInput(const std::string& bytes) : bytes_(bytes) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t got = bytes_.copy(buffer, size, at_);
        at_ += got;
        return got;
    }

private:
    const std::string& bytes_;
    std::size_t at_ = 0;
};

class MemoryFileSystem : public zent::FileSystem {
public:
    std::unique_ptr<zent::InputFile> Open(const std::string& path) override {
        return std::make_unique<MemoryInput>(files_.at(path));
    }
    std::unique_ptr<zent::OutputFile> Create(const std::string& path) override {
        files_[path].clear();
        return std::make_unique<MemoryFile>(files_[path]);
    }
    void Replace(const std::string& source, const std::string& target) override {
        files_[target] = std::move(files_.at(source));
        files_.erase(source);
    }
    void Remove(const std::string& path) noexcept override { files_.erase(path); }
    // The configuration store never changes the current folder.
    void ChangeCurrentFolder(const std::string&) override {}

private:
    std::map<std::string, std::string> files_;
};

std::string GameName(int i) {
    return "GAME NUMBER " + std::to_string(i);
}

std::string LargestConfig() {
    zent::testing::ConfigFile file = {.lines = {{zent::kExitKeyOption, " 27 "},
                                                {zent::kHighPriorityOption, "1"},
                                                {zent::kCpuSpeedOption, " 150 "}}};
    for (int i = 1; i <= kMostGames; ++i) {
        file.games.push_back({.name = GameName(i),
                              .driveKey = std::to_string(65 + i % 26),
                              .renderer = std::to_string(i % 4),
                              .on = {zent::kGameZWriting, zent::kGameNtscMode}});
    }
    return zent::testing::ConfigText(file);
}

struct Timing {
    double median;
    double slowest;
    double medianCpu;
};

double ProcessorMillis() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Timing Measure(int runs, const std::function<void()>& work) {
    std::vector<double> millis;
    std::vector<double> cpuMillis;
    for (int i = 0; i < runs; ++i) {
        const double cpuStart = ProcessorMillis();
        const auto start = std::chrono::steady_clock::now();
        work();
        millis.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        cpuMillis.push_back(ProcessorMillis() - cpuStart);
    }
    std::sort(millis.begin(), millis.end());
    std::sort(cpuMillis.begin(), cpuMillis.end());
    return {millis[millis.size() / 2], millis.back(), cpuMillis[cpuMillis.size() / 2]};
}

void Row(const char* what, Timing timing, double target) {
    std::printf("%-40s %10.2f %10.2f %10.2f %8.0f %5s\n", what, timing.median, timing.slowest,
                timing.medianCpu, target, timing.median <= target ? "ok" : "SLOW");
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = std::max(5, argc > 1 ? std::atoi(argv[1]) : 11);
    const std::string text = LargestConfig();
    const std::string path = "C:\\Games\\zentconfig.ini";
    MemoryFileSystem files;
    zent::SetActiveFileSystem(&files);
    zent::SetProgramFolder("C:\\Games");

    std::string record;
    const Timing load = Measure(runs, [&] {
        zent::LoadConfigText(text, path);
        record = zent::LookupGame(GameName(kMostGames));
    });
    if (record.empty()) {
        std::fprintf(stderr, "the last game was not found\n");
        return 1;
    }
    std::string composed;
    const Timing compose = Measure(runs, [&] { composed = zent::ComposeConfigText(); });
    const Timing save = Measure(runs, [] { zent::SaveConfig(); });
    if (composed != text || files.ReadAll(path) != text) {
        std::fprintf(stderr, "the saved file differs from the loaded one\n");
        return 1;
    }

    std::printf("%d games, %zu bytes, %d runs\n", kMostGames, text.size(), runs);
    std::printf("%-40s %10s %10s %10s %8s %5s\n", "measure", "median ms", "max ms", "cpu ms",
                "target", "");
    Row("LoadConfigText + LookupGame (last game)", load, 10);
    Row("ComposeConfigText", compose, 20);
    Row("SaveConfig (in-memory file system)", save, 20);
    return 0;
}
