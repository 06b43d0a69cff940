// SPDX-License-Identifier: MIT
// Start-up of the converter against a bare Qt window of the same size and title: both launched
// as whole processes in alternation, timed from just before fork to the first painted frame,
// with peak resident memory from wait4. Then the idle CPU of a converter left standing.
// Needs a display: `make bench` runs it under Xvfb.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Launch {
    double firstFrameMs;
    long peakKb;
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

pid_t start(const std::string& program, bool stay, int& output) {
    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(program.c_str(), program.c_str(), stay ? "--stay" : nullptr, nullptr);
        std::perror("execl");
        _exit(127);
    }
    close(fds[1]);
    output = fds[0];
    return pid;
}

long long readFrameTime(int fd) {
    std::string line;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line.empty() ? -1 : std::atoll(line.c_str());
}

Launch launch(const std::string& program) {
    int output = -1;
    const long long before = monotonicNs();
    const pid_t pid = start(program, false, output);
    const long long frame = readFrameTime(output);
    close(output);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (frame < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not show a frame (is there a display?)\n", program.c_str());
        std::exit(1);
    }
    return {static_cast<double>(frame - before) / 1e6, usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// User plus system CPU time of a process, in clock ticks, from /proc.
long cpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    long ticks = 0;
    for (int i = 1; i <= 15 && stat >> field; ++i) {
        if (i == 14 || i == 15) {
            ticks += std::atol(field.c_str());
        }
    }
    return ticks;
}

double idleCpuMsPerSecond(const std::string& program, int seconds) {
    int output = -1;
    const pid_t pid = start(program, true, output);
    readFrameTime(output);
    usleep(500000); // let start-up work settle
    const long before = cpuTicks(pid);
    sleep(static_cast<unsigned>(seconds));
    const long after = cpuTicks(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    close(output);
    return static_cast<double>(after - before) * 1000.0 / sysconf(_SC_CLK_TCK) / seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string folder = std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1);
    // The converter, a bare window, and plain Qt with the same controls.
    const std::vector<std::string> programs = {folder + "startup_probe_form1",
                                               folder + "startup_probe_empty",
                                               folder + "startup_probe_controls"};
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;

    for (const std::string& program : programs) {
        launch(program); // warm the file cache before measuring
    }
    std::vector<std::vector<double>> ms(programs.size()), kb(programs.size());
    for (int round = 0; round < rounds; ++round) {
        // Each in every place of the order in turn.
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const std::size_t which = (i + static_cast<std::size_t>(round)) % programs.size();
            const Launch result = launch(programs[which]);
            ms[which].push_back(result.firstFrameMs);
            kb[which].push_back(static_cast<double>(result.peakKb));
        }
    }
    std::printf("start-up, %d launches each in rotation (medians)\n", rounds);
    std::printf("| | reference | Hex Converter | ratio | target |\n|---|---|---|---|---|\n");
    const auto row = [&](const char* what, std::size_t reference, const std::vector<double>& of,
                         const std::vector<double>& against, double scale, const char* unit,
                         double target) {
        const double ratio = median(of) / median(against);
        std::printf("| %s, against %s | %.1f %s | %.1f %s | %.3f | <= %.2f %s |\n", what,
                    reference == 1 ? "a bare Qt window" : "plain Qt with the same controls",
                    median(against) / scale, unit, median(of) / scale, unit, ratio, target,
                    ratio <= target ? "(met)" : "(MISSED)");
    };
    row("first painted frame", 1, ms[0], ms[1], 1, "ms", 1.30);
    row("first painted frame", 2, ms[0], ms[2], 1, "ms", 1.01);
    row("peak resident memory", 1, kb[0], kb[1], 1024, "MiB", 1.15);
    row("peak resident memory", 2, kb[0], kb[2], 1024, "MiB", 1.05);
    std::printf("idle converter window: %.2f ms CPU per second over 5 s\n",
                idleCpuMsPerSecond(programs[0], 5));
    return 0;
}
