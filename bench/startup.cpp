// Runs the start-up probe and the minimal program alternately and reports the median time
// from exec to first paint and the peak resident memory of each.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double ms = 0;
    long rssKiB = 0;
};

double now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

bool runOnce(const std::string& program, Sample& out) {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string seen;
    char buf[64];
    ssize_t n;
    double painted = -1;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) {
        seen.append(buf, size_t(n));
        if (painted < 0 && seen.find("painted") != std::string::npos)
            painted = now();
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (painted < 0 || !WIFEXITED(status))
        return false;
    out.ms = painted - start;
    out.rssKiB = usage.ru_maxrss;
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::string dir = argv[0];
    dir = dir.substr(0, dir.find_last_of('/') + 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (chdir(dir.empty() ? "." : dir.c_str()) != 0)
        return 1;

    const std::string programs[2] = {"./ledgora-startup-probe", "./ledgora-startup-minimal"};
    std::vector<double> times[2];
    long rss[2] = {0, 0};
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 2; ++k) {
            Sample s;
            if (!runOnce(programs[k], s)) {
                std::fprintf(stderr, "%s did not report its first paint\n", programs[k].c_str());
                return 1;
            }
            times[k].push_back(s.ms);
            rss[k] = std::max(rss[k], s.rssKiB);
        }
    const double a = median(times[0]), b = median(times[1]);
    std::printf("runs each:            %d (alternating, offscreen)\n", runs);
    std::printf("ledgora first paint:  median %.1f ms, peak RSS %.1f MiB\n", a, rss[0] / 1024.0);
    std::printf("minimal first paint:  median %.1f ms, peak RSS %.1f MiB\n", b, rss[1] / 1024.0);
    std::printf("ratio (ledgora/min):  time %.2f, RSS %.2f\n", a / b, double(rss[0]) / double(rss[1]));
    return 0;
}
