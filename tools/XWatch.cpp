// SPDX-License-Identifier: MIT
// Watches a Qt program on an X server from the outside, as the start-up budget and the packaging
// test need it:
//
//   tp_xwatch run [--idle SECONDS] [--settle MS] -- PROGRAM [ARGUMENTS...]
//       starts PROGRAM, times it from exec until its first top-level window is mapped and counts
//       its page faults and, where the machine allows, its instructions until then, lets it
//       settle, measures it idling with the window open, closes the window as a window manager
//       would and waits for the exit. Prints one line of key=value pairs.
//   tp_xwatch close TITLE-PART
//       asks every mapped top-level window whose title contains TITLE-PART to close.
//   tp_xwatch shot TITLE-PART FILE
//       writes what the first mapped top-level window whose title contains TITLE-PART shows to
//       FILE, as a PPM picture.
#include "tools/InstructionCounter.h"
#include "tools/ProcStats.h"
#include "tools/X11Windows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using tp::bench::ProcSample;
using tp::bench::SampleProcess;
using tp::bench::X11Windows;

constexpr auto kMapTimeout = 30s;
constexpr auto kExitTimeout = 10s;

int Usage() {
    std::fprintf(stderr,
                 "usage: tp_xwatch run [--idle SECONDS] [--settle MS] -- PROGRAM [ARGS...]\n"
                 "       tp_xwatch close TITLE-PART\n"
                 "       tp_xwatch shot TITLE-PART FILE\n");
    return 2;
}

// The exit status, or -1 when the program had to be killed.
int WaitForExit(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + kExitTimeout;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(5ms);
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return 128 + WTERMSIG(status);
}

int Run(int idleSeconds, int settleMs, std::vector<char*> argv) {
    X11Windows x;
    if (!x.Connected()) {
        std::fprintf(stderr, "tp_xwatch: cannot open the display\n");
        return 2;
    }
    x.WatchTopLevelMaps();
    argv.push_back(nullptr);

    // The child stops before its exec, so that the instructions can be counted from the exec on.
    const pid_t pid = fork();
    if (pid < 0) {
        std::fprintf(stderr, "tp_xwatch: cannot start %s\n", argv[0]);
        return 2;
    }
    if (pid == 0) {
        raise(SIGSTOP);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int stopped = 0;
    if (waitpid(pid, &stopped, WUNTRACED) != pid || !WIFSTOPPED(stopped)) {
        std::fprintf(stderr, "tp_xwatch: cannot start %s\n", argv[0]);
        return 2;
    }
    const tp::bench::InstructionCounter instructions(pid);
    const auto started = std::chrono::steady_clock::now();
    kill(pid, SIGCONT);
    const auto mapped = x.WaitForMap(pid, kMapTimeout);
    const auto instructionsAtMap = instructions.Read();
    const auto faultsAtMap = tp::bench::PageFaults(pid);
    if (!mapped) {
        std::fprintf(stderr, "tp_xwatch: no window of %s was mapped\n", argv[0]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    const double mapMs = std::chrono::duration<double, std::milli>(mapped->when - started).count();

    // The first frame is drawn after the map; idling starts once it is on the screen.
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const auto before = SampleProcess(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const auto after = SampleProcess(pid);
    if (!before || !after) {
        std::fprintf(stderr, "tp_xwatch: %s ended while idle\n", argv[0]);
        waitpid(pid, nullptr, 0);
        return 1;
    }

    x.RequestClose(mapped->window);
    const int exitStatus = WaitForExit(pid);

    const tp::bench::ThreadSample idleWork = tp::bench::ThreadWorkBetween(*before, *after);
    const auto figure = [](const std::optional<std::uint64_t>& value) {
        return value ? std::to_string(*value) : std::string("na");
    };
    std::printf("map_ms=%.3f map_faults=%s map_instructions=%s peak_rss_kib=%llu "
                "idle_cpu_ticks=%llu idle_cpu_us=%.1f idle_wakeups=%llu exit=%d\n",
                mapMs, figure(faultsAtMap).c_str(), figure(instructionsAtMap).c_str(),
                static_cast<unsigned long long>(after->peakRssKiB),
                static_cast<unsigned long long>(after->cpuTicks - before->cpuTicks),
                static_cast<double>(idleWork.cpuNanos) / 1000.0,
                static_cast<unsigned long long>(idleWork.switches), exitStatus);
    return exitStatus == 0 ? 0 : 1;
}

int Close(const std::string& titlePart) {
    X11Windows x;
    if (!x.Connected()) {
        std::fprintf(stderr, "tp_xwatch: cannot open the display\n");
        return 2;
    }
    const auto windows = x.FindByTitle(titlePart);
    for (const xcb_window_t window : windows) {
        std::printf("asking window 0x%x \"%s\" to close\n", window, x.Title(window).c_str());
        x.RequestClose(window);
    }
    return windows.empty() ? 1 : 0;
}

int Shot(const std::string& titlePart, const std::string& file) {
    X11Windows x;
    if (!x.Connected()) {
        std::fprintf(stderr, "tp_xwatch: cannot open the display\n");
        return 2;
    }
    const auto windows = x.FindByTitle(titlePart);
    const std::string picture = windows.empty() ? std::string() : x.Picture(windows.front());
    if (picture.empty()) {
        std::fprintf(stderr, "tp_xwatch: no picture of a window titled with %s\n",
                     titlePart.c_str());
        return 1;
    }
    std::FILE* out = std::fopen(file.c_str(), "wb");
    const bool written =
        out != nullptr && std::fwrite(picture.data(), 1, picture.size(), out) == picture.size();
    if (out != nullptr && std::fclose(out) != 0) {
        return 1;
    }
    return written ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "close") {
        return Close(args[1]);
    }
    if (args.size() == 3 && args[0] == "shot") {
        return Shot(args[1], args[2]);
    }
    if (args.empty() || args[0] != "run") {
        return Usage();
    }
    int idleSeconds = 10;
    int settleMs = 1000;
    std::size_t i = 1;
    for (; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--idle" && i + 1 < args.size()) {
            idleSeconds = std::atoi(args[++i].c_str());
        } else if (args[i] == "--settle" && i + 1 < args.size()) {
            settleMs = std::atoi(args[++i].c_str());
        } else {
            return Usage();
        }
    }
    if (i + 1 >= args.size()) {
        return Usage();
    }
    return Run(idleSeconds, settleMs, std::vector<char*>(argv + i + 2, argv + argc));
}
