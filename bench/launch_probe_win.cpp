// launch_probe bench            one launch, timed against its prescribed pauses,
//                               the launcher's peak memory with a 1 KB and a
//                               100 MB tempavio.cfg, in turns, then the Settings
//                               window with 32767 games against a plain list
//                               box, in turns
// launch_probe lists [rounds]   only the Settings window against the plain list
// launch_probe soak <minutes>   one launch left watching its exit key that long
// launch_probe watch <seconds> on|off [exe]
//                               the same without the exit key at the end, with
//                               the pad exit on (Back + Start) or Off, of an
//                               earlier build of the launcher (a host path) when
//                               given: the launcher and its emulator are ended
// launch_probe compare <exe> <rounds>
//                               launches and exits of an earlier build of the
//                               launcher (a host path) and of this one, taken in
//                               turns; the medians of both
// The real launcher under Wine against the stand-in emulator. Prints one
// "name value" line per figure; scripts/bench.sh and scripts/soak.sh read them.

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "e2e_support_win.h"
#include "game_rows.h"
#include "launch_folder_win.h"

namespace zent {
namespace {

constexpr char kArgument[] = "\"D:\\Images\\Space Race.img\"";
// 10 speed presses, so the launch ends with a known key and 10 ms of pauses.
constexpr int kSpeedPresses = 10;
constexpr char kLastLine[] = "speed 110";
constexpr double kPrescribedLaunchMs = 500 + 100 + 100 + kSpeedPresses * 1;
constexpr double kPrescribedExitMs = 500;
constexpr int kEscape = 27;
constexpr int kTimeoutMs = 30000;
constexpr int kListRounds = 3;
constexpr int kCopyRounds = 3;

double NowMs() {
    LARGE_INTEGER count;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool LogHas(const LaunchFolder& folder, const std::string& line) {
    for (const auto& logged : folder.LogLines()) {
        if (logged == line) {
            return true;
        }
    }
    return false;
}

// Polls more often than WaitUntil: the figures are differences of a few ms.
double WaitForLine(const LaunchFolder& folder, const std::string& line) {
    const double end = NowMs() + kTimeoutMs;
    while (!LogHas(folder, line)) {
        if (NowMs() > end) {
            std::fprintf(stderr, "no \"%s\" in the stand-in's log\n", line.c_str());
            std::exit(1);
        }
        Sleep(1);
    }
    return NowMs();
}

// Each figure is flushed at once: the scripts sample the launcher's Linux
// process while this program waits.
void Figure(const std::string& name, double value) {
    std::printf("%s %.1f\n", name.c_str(), value);
    std::fflush(stdout);
}

void PrintResources(HANDLE process, const std::string& when) {
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    Figure(when + "_working_set_kb", static_cast<double>(memory.WorkingSetSize / 1024));
    Figure(when + "_peak_working_set_kb", static_cast<double>(memory.PeakWorkingSetSize / 1024));
    Figure(when + "_private_kb", static_cast<double>(memory.PagefileUsage / 1024));
}

constexpr int kMostGames = 32767;

// From the start of a program that opens the window titled title on the most
// games the file can hold, until its list shows all of them; then the window is
// closed like a user closes it. Exits on failure.
template <typename Start>
double TimeListWindow(const wchar_t* title, Start start) {
    const double started = NowMs();
    const std::unique_ptr<LauncherProcess> program = start();
    HWND list = nullptr;
    const bool filled = WaitUntil(
        [&] {
            HWND window = FindWindowW(nullptr, title);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (window == nullptr || owner != program->id() || !IsWindowVisible(window)) {
                return false;
            }
            list = FindWindowExW(window, nullptr, L"ListBox", nullptr);
            DWORD_PTR count = 0;
            return list != nullptr &&
                   SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &count) &&
                   count == kMostGames;
        },
        kTimeoutMs * 4);
    if (!filled) {
        std::fprintf(stderr, "the window did not show %d games\n", kMostGames);
        std::exit(1);
    }
    const double elapsed = NowMs() - started;
    PostMessageW(GetAncestor(list, GA_ROOT), WM_CLOSE, 0, 0);
    if (!program->WaitForExit(kTimeoutMs)) {
        std::fprintf(stderr, "the window did not close\n");
        std::exit(1);
    }
    return elapsed;
}

// The baseline program (built beside this one), copied into the folder, where it
// reads the same zentconfig.ini as the launcher.
std::unique_ptr<LauncherProcess> StartPlainList(const LaunchFolder& folder) {
    wchar_t probe[MAX_PATH];
    const std::wstring here(probe, GetModuleFileNameW(nullptr, probe, MAX_PATH));
    std::wstring path = folder.PathOf("plain_list.exe");
    if (!CopyFileW((here.substr(0, here.find_last_of(L'\\') + 1) + L"plain_list.exe").c_str(),
                   path.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy plain_list.exe\n");
        std::exit(1);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fprintf(stderr, "cannot start plain_list.exe\n");
        std::exit(1);
    }
    return std::make_unique<LauncherProcess>(started);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The Settings window and the baseline, opened in turns on the same games; the
// medians of both.
int CompareListWindows(int rounds) {
    std::vector<std::string> games;
    for (int i = 1; i <= kMostGames; ++i) {
        games.push_back(zent::testing::GameRow({.name = "GAME NUMBER " + std::to_string(i)}));
    }
    LaunchFolder folder;
    // No named lines after the games: the plain list adds every line after the placed ones.
    folder.Write("zentconfig.ini",
                 zent::testing::ConfigText(
                     {.lines = {{zent::kShowFpsOption, "1"}}, .rows = games, .namedLines = false}));
    std::vector<double> settings, plain;
    for (int round = 0; round < rounds; ++round) {
        settings.push_back(TimeListWindow(L"Settings", [&] { return folder.Start(""); }));
        plain.push_back(TimeListWindow(L"Plain list", [&] { return StartPlainList(folder); }));
    }
    const std::string suffix = "_" + std::to_string(kMostGames) + "_games_ms";
    Figure("settings" + suffix, Median(settings));
    Figure("plain_list" + suffix, Median(plain));
    return 0;
}

// The folder of one launch, the pad exit on unless padExitOff; the launcher is
// replaced by launcherExe when given (one older than the pad exit ignores its line).
std::unique_ptr<LaunchFolder> PrepareLaunch(const std::string& launcherExe = "",
                                            bool padExitOff = false) {
    auto folder = std::make_unique<LaunchFolder>();
    std::vector<std::pair<zent::GlobalOptionId, std::string>> lines = {
        {zent::kCpuSpeedOption, " 110 "}, {zent::kShowFpsOption, "1"}};
    if (padExitOff) {
        lines.emplace_back(zent::kPadExitOption, "Off");
    }
    folder->Write("zentconfig.ini", zent::testing::ConfigText({.lines = lines, .games = {{}}}));
    folder->Write("tempavio.cfg", "[video]\r\nrenderer=saved\r\n");
    folder->Write("zentavio.cfg", "[video]\r\n");
    if (!launcherExe.empty() && !CopyFileW(Widen("Z:" + launcherExe).c_str(),
                                           folder->PathOf("ZentavioWrapper.exe").c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy %s\n", launcherExe.c_str());
        std::exit(1);
    }
    return folder;
}

// From the start to the last speed key; returns the time beyond the prescribed pauses.
double TimeLaunch(const LaunchFolder& folder, std::unique_ptr<LauncherProcess>& launcher) {
    const double started = NowMs();
    launcher = folder.Start(kArgument);
    return WaitForLine(folder, kLastLine) - started - kPrescribedLaunchMs;
}

struct ExitTimes {
    double altF4;  // from the exit key's press to Alt+F4 in the emulator
    double ended;  // from the press to the launcher's end, the emulator's own close included
};

// The key is held until the emulator has closed, then let go, as a player does:
// the launcher waits for that before it ends.
ExitTimes TimeExit(const LaunchFolder& folder, const LauncherProcess& launcher) {
    const double keyDown = NowMs();
    ExitTimes times{0, 0};
    const bool closed = HoldKeyUntil(
        kEscape,
        [&] {
            if (times.altF4 == 0 && LogHas(folder, "key alt+f4")) {
                times.altF4 = NowMs() - keyDown;
            }
            return times.altF4 != 0 && LogHas(folder, "closed");
        },
        kTimeoutMs);
    if (!closed || !launcher.WaitForExit(kTimeoutMs)) {
        std::fprintf(stderr, "the exit key did not end the launch\n");
        std::exit(1);
    }
    times.ended = NowMs() - keyDown;
    return times;
}

// The launcher's peak memory over launches whose tempavio.cfg has the given
// sizes, taken in turns (medians); a copy that goes block by block keeps the
// large file's figure beside the small one's.
void CompareCopies(const std::vector<std::pair<std::string, std::size_t>>& sizes, int rounds) {
    std::map<std::string, std::vector<double>> peakWorkingSet, peakPrivate, launchMs;
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [name, bytes] : sizes) {
            const auto folder = PrepareLaunch();
            folder->Write("tempavio.cfg", std::string(bytes, 'c'));
            std::unique_ptr<LauncherProcess> launcher;
            launchMs[name].push_back(TimeLaunch(*folder, launcher) + kPrescribedLaunchMs);
            const HANDLE process =
                OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher->id());
            PROCESS_MEMORY_COUNTERS memory{};
            GetProcessMemoryInfo(process, &memory, sizeof memory);
            CloseHandle(process);
            peakWorkingSet[name].push_back(static_cast<double>(memory.PeakWorkingSetSize / 1024));
            peakPrivate[name].push_back(static_cast<double>(memory.PeakPagefileUsage / 1024));
            TimeExit(*folder, *launcher);
        }
    }
    for (const auto& [name, bytes] : sizes) {
        Figure(name + "_peak_working_set_kb", Median(peakWorkingSet[name]));
        Figure(name + "_peak_private_kb", Median(peakPrivate[name]));
        Figure(name + "_launch_ms", Median(launchMs[name]));
    }
}

int Compare(const std::string& baselineExe, int rounds) {
    std::vector<double> overhead[2], exit[2], end[2];
    for (int round = 0; round < rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            const auto folder = PrepareLaunch(which == 0 ? baselineExe : "");
            std::unique_ptr<LauncherProcess> launcher;
            overhead[which].push_back(TimeLaunch(*folder, launcher));
            if (!launcher->WaitForIdle(kTimeoutMs)) {
                std::fprintf(stderr, "the launcher did not settle after its launch\n");
                return 1;
            }
            const ExitTimes times = TimeExit(*folder, *launcher);
            exit[which].push_back(times.altF4);
            end[which].push_back(times.ended);
        }
    }
    const char* names[2] = {"baseline", "current"};
    for (int which = 0; which < 2; ++which) {
        Figure(std::string(names[which]) + "_launch_overhead_ms", Median(overhead[which]));
        Figure(std::string(names[which]) + "_exit_ms", Median(exit[which]));
        Figure(std::string(names[which]) + "_exit_to_end_ms", Median(end[which]));
    }
    return 0;
}

// One launch left watching its exit key for the given seconds, for a script to
// sample; then the launcher and the emulator are ended with the folder.
int Watch(int seconds, bool padExitOff, const std::string& launcherExe) {
    const auto folder = PrepareLaunch(launcherExe, padExitOff);
    std::unique_ptr<LauncherProcess> launcher;
    Figure("launch_overhead_ms", TimeLaunch(*folder, launcher));
    Figure("start_private_kb", 0);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return 0;
}

int Run(bool soak, int minutes) {
    const auto folder = PrepareLaunch();
    std::unique_ptr<LauncherProcess> launcher;
    const double overhead = TimeLaunch(*folder, launcher);
    Figure("launch_ms", overhead + kPrescribedLaunchMs);
    Figure("launch_overhead_ms", overhead);

    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher->id());
    PrintResources(process, "start");
    const double watchStart = NowMs();
    Sleep(soak ? static_cast<DWORD>(minutes) * 60000 : 10000);
    const double watched = NowMs() - watchStart;
    Figure("watch_s", watched / 1000);
    PrintResources(process, "end");

    const ExitTimes exit = TimeExit(*folder, *launcher);
    Figure("exit_ms", exit.altF4);
    Figure("exit_overhead_ms", exit.altF4 - kPrescribedExitMs);
    Figure("exit_to_end_ms", exit.ended);
    CloseHandle(process);
    if (soak) {
        return 0;
    }
    CompareCopies({{"copy_1kb", 1024}, {"copy_100mb", 100 * 1024 * 1024}}, kCopyRounds);
    return CompareListWindows(kListRounds);
}

}  // namespace
}  // namespace zent

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "bench";
    if (mode == "lists") {
        return zent::CompareListWindows(argc > 2 ? std::atoi(argv[2]) : zent::kListRounds);
    }
    if (mode == "compare" && argc == 4) {
        return zent::Compare(argv[2], std::atoi(argv[3]));
    }
    if (mode == "watch" && argc >= 4) {
        return zent::Watch(std::atoi(argv[2]), std::string(argv[3]) == "off",
                           argc > 4 ? argv[4] : "");
    }
    return zent::Run(mode == "soak", argc > 2 ? std::atoi(argv[2]) : 10);
}
