// Measures another program from the outside, so that the game and its reference are timed the
// same way:
//   proc_probe window RUNS -- COMMAND...   milliseconds from starting COMMAND to the line
//                                          "first window shown" on its stderr, over RUNS runs
//   proc_probe cpu FROM TO [--after TEXT] -- COMMAND... [-- REFERENCE...]
//                                          CPU seconds per second that COMMAND used between FROM
//                                          and TO seconds after its start, or after it first wrote
//                                          TEXT on its stderr, and its peak memory. REFERENCE, when
//                                          given, starts at that moment and is measured over the
//                                          same stretch of time, side by side: the machine's speed
//                                          drifts too much from one run to the next to compare
//                                          programs measured one after the other.
// The programs are killed once measured. Figures go to stdout as "name value" words.
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <atomic>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Usage() {
    std::fprintf(stderr,
                 "usage: proc_probe window RUNS -- COMMAND...\n"
                 "       proc_probe cpu FROM TO [--after TEXT] -- COMMAND... [-- REFERENCE...]\n");
    std::exit(2);
}

// Starts the command with stdout discarded; its stderr goes to `errFd` when that is not -1.
pid_t Spawn(char** command, int errFd) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (FILE* devNull = std::fopen("/dev/null", "w")) dup2(fileno(devNull), STDOUT_FILENO);
        if (errFd >= 0) dup2(errFd, STDERR_FILENO);
        execvp(command[0], command);
        std::fprintf(stderr, "proc_probe: cannot run %s: %s\n", command[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Milliseconds until the first window, or a negative number when none came within 30 s.
double TimeToFirstWindow(char** command) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    const auto started = Clock::now();
    const pid_t pid = Spawn(command, pipeFds[1]);
    close(pipeFds[1]);
    std::string seen;
    double ms = -1;
    while (ms < 0 && Clock::now() - started < std::chrono::seconds(30)) {
        pollfd fd{pipeFds[0], POLLIN, 0};
        if (poll(&fd, 1, 100) <= 0) continue;
        char buffer[4096];
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        if (got <= 0) break;
        seen.append(buffer, static_cast<size_t>(got));
        if (seen.find("first window shown") != std::string::npos)
            ms = Milliseconds(Clock::now() - started);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(pipeFds[0]);
    if (ms < 0) std::fprintf(stderr, "proc_probe: no window came; the program said:\n%s\n", seen.c_str());
    return ms;
}

// Nanoseconds each thread of the process has run, by thread: the scheduler counts them exactly,
// where the process's user and system times move in 10 ms ticks.
using ThreadTimes = std::map<std::string, long long>;
ThreadTimes RunTimes(pid_t pid) {
    ThreadTimes times;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            std::ifstream in(tasks + "/" + entry->d_name + "/schedstat");
            long long ns = 0;
            if (in >> ns) times[entry->d_name] = ns;
        }
        closedir(dir);
    }
    return times;
}

// CPU seconds between two readings; a thread that ended between them is not counted.
double CpuSeconds(const ThreadTimes& before, const ThreadTimes& after) {
    long long ns = 0;
    for (const auto& [thread, time] : after) {
        const auto was = before.find(thread);
        ns += time - (was == before.end() ? 0 : was->second);
    }
    return static_cast<double>(ns) / 1e9;
}

// Measures `command`, and `reference` beside it when there is one; see the top of the file.
int MeasureCpu(double from, double to, const std::string& marker, char** command,
               char** reference) {
    int pipeFds[2] = {-1, -1};
    if (!marker.empty() && pipe(pipeFds) != 0) return 1;
    auto started = Clock::now();
    const pid_t pid = Spawn(command, pipeFds[1]);
    std::atomic<bool> marked{marker.empty()};
    Clock::time_point markedAt;
    std::thread reader;
    if (!marker.empty()) {
        close(pipeFds[1]);
        // Keeps reading to the end, so that the program never blocks on a full pipe.
        reader = std::thread([&] {
            std::string seen;
            char buffer[4096];
            for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
                if (marked) continue;
                seen.append(buffer, static_cast<size_t>(got));
                if (seen.find(marker) != std::string::npos) {
                    markedAt = Clock::now();
                    marked = true;
                }
            }
        });
        while (!marked && Clock::now() - started < std::chrono::seconds(60))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (marked) started = markedAt;
    }
    const pid_t refPid = marked && reference ? Spawn(reference, -1) : -1;
    auto sleepUntil = [&](double seconds) {
        std::this_thread::sleep_until(started + std::chrono::duration_cast<Clock::duration>(
                                                    std::chrono::duration<double>(seconds)));
    };
    double cpu = 0, refCpu = 0;
    bool alive = false;
    if (marked) {
        sleepUntil(from);
        const ThreadTimes before = RunTimes(pid);
        const ThreadTimes refBefore = refPid > 0 ? RunTimes(refPid) : ThreadTimes{};
        sleepUntil(to);
        cpu = CpuSeconds(before, RunTimes(pid));
        if (refPid > 0) refCpu = CpuSeconds(refBefore, RunTimes(refPid));
        alive = waitpid(pid, nullptr, WNOHANG) == 0 &&
                (refPid <= 0 || waitpid(refPid, nullptr, WNOHANG) == 0);
    }
    rusage usage{}, refUsage{};
    int status = 0;
    for (const pid_t child : {pid, refPid})
        if (child > 0) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, child == pid ? &usage : &refUsage);
        }
    if (reader.joinable()) reader.join();
    if (pipeFds[0] >= 0) close(pipeFds[0]);
    if (!marked) {
        std::fprintf(stderr, "proc_probe: %s never wrote \"%s\"\n", command[0], marker.c_str());
        return 1;
    }
    if (!alive) {
        std::fprintf(stderr, "proc_probe: a program ended before the measurement did\n");
        return 1;
    }
    std::printf("cpu_per_s %.4f maxrss_mb %.1f", cpu / (to - from),
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    if (refPid > 0)
        std::printf(" ref_cpu_per_s %.4f ref_maxrss_mb %.1f", refCpu / (to - from),
                    static_cast<double>(refUsage.ru_maxrss) / 1024.0);
    std::printf("\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int dashes = 1;
    while (dashes < argc && std::strcmp(argv[dashes], "--") != 0) ++dashes;
    if (argc < 3 || dashes + 1 >= argc) Usage();
    char** command = argv + dashes + 1;
    const std::string mode = argv[1];

    if (mode == "window" && dashes == 3) {
        std::vector<double> runs;
        for (int i = std::atoi(argv[2]); i > 0; --i) {
            const double ms = TimeToFirstWindow(command);
            if (ms < 0) return 1;
            runs.push_back(ms);
        }
        if (runs.empty()) Usage();
        std::sort(runs.begin(), runs.end());
        std::printf("median_ms %.1f min_ms %.1f max_ms %.1f\n", runs[runs.size() / 2], runs.front(),
                    runs.back());
        return 0;
    }
    if (mode == "cpu" && (dashes == 4 || (dashes == 6 && std::strcmp(argv[4], "--after") == 0))) {
        const double from = std::atof(argv[2]), to = std::atof(argv[3]);
        if (!(to > from && from >= 0)) Usage();
        // A second "--" starts the reference command.
        char** reference = nullptr;
        for (char** arg = command; *arg; ++arg)
            if (std::strcmp(*arg, "--") == 0) {
                *arg = nullptr;
                reference = arg + 1;
                break;
            }
        if (reference && !*reference) Usage();
        return MeasureCpu(from, to, dashes == 6 ? argv[5] : "", command, reference);
    }
    Usage();
}
