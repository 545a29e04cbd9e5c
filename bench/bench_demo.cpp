// The demo's start-up: wall time of `tavix-demo --screenshot` from process start until it has saved its
// first frame and exited, and the peak resident memory of that process, over several runs (medians).
// The run includes the demo's own 150 ms wait for the sidebar animation before the screenshot. The demo
// runs in its own folder, where its themes are.
//
//   QT_QPA_PLATFORM=offscreen ./bench_demo [path/to/tavix-demo]

#include "TavixBenchRow.h"

#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 5;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Runs the demo once; false when it cannot start or does not exit cleanly.
bool runOnce(const std::string &demo, const std::string &shot, double *wallMs, double *peakMiB)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        // The demo finds its themes beside itself; a demo that hangs (a message box) is ended.
        const std::string::size_type slash = demo.rfind('/');
        if (slash != std::string::npos && chdir(demo.substr(0, slash + 1).c_str()) != 0)
            _exit(127);
        alarm(60);
        execl(demo.c_str(), demo.c_str(), "--screenshot", shot.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    *wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    *peakMiB = usage.ru_maxrss / 1024.0;   // kilobytes on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string demo = argc > 1 ? argv[1] : TAVIX_DEMO_PATH;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char shot[] = "/tmp/tavix-bench-demo-XXXXXX";
    const int fd = mkstemp(shot);
    if (fd < 0)
        return 1;
    close(fd);
    const std::string png = std::string(shot) + ".png";
    std::vector<double> wall, peak;
    for (int run = 0; run < kRuns; ++run) {
        double ms = 0, mib = 0;
        if (!runOnce(demo, png, &ms, &mib)) {
            std::fprintf(stderr, "%s --screenshot failed\n", demo.c_str());
            unlink(shot);
            unlink(png.c_str());
            return 1;
        }
        wall.push_back(ms);
        peak.push_back(mib);
    }
    unlink(shot);
    unlink(png.c_str());
    std::printf("%-34s %10s %10s\n", "demo --screenshot", "median", "max");
    std::printf("%-34s %10.1f %10.1f\n", "process start to exit, ms", median(wall),
                *std::max_element(wall.begin(), wall.end()));
    std::printf("%-34s %10.1f %10.1f\n", "peak resident memory, MiB", median(peak),
                *std::max_element(peak.begin(), peak.end()));
    tavixBenchRow("demo", "start to first frame saved (--screenshot)", median(wall), 0, "ms", "< 1000 ms");
    tavixBenchRow("demo", "peak resident memory", median(peak), 0, "MiB", "< 150 MiB");
    return 0;
}
