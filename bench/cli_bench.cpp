// velmora-calc as a script runs it: a whole process per computation, against
// a C++ program that only prints "hello", in the same run. Each benchmark
// reports wall time per process and the process's own CPU time (user plus
// system, from wait4) as "cpu_ms".
#include "cli/sky.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the program with its output thrown away; returns its CPU time in ms.
double runOnce(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    const auto ms = [](timeval t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void Process(benchmark::State& state, std::vector<std::string> command)
{
    double cpu = 0;
    for (auto _ : state)
        cpu += runOnce(command);
    state.counters["cpu_ms"] = benchmark::Counter(cpu / double(state.iterations()));
}

const std::string kCalc = VELMORA_CALC;

BENCHMARK_CAPTURE(Process, Hello, std::vector<std::string> {HELLO})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Process, OneComputation,
    std::vector<std::string> {kCalc, "--telescope", "CelestronOTC8", "--camera", "PhilipsVesta", "--seeing", "2"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Process, SweepJson,
    std::vector<std::string> {kCalc, "--sweep", "--seeing", "2", "--format", "json", "--sort-by", "pixel_field"})
    ->Unit(benchmark::kMillisecond);

// In the process: the ten bodies on a date, ephemeris and framing.
void TenBodies(benchmark::State& state)
{
    const velmora::cli::OpticalTrain train {203, 2032, 5.6, 640, 480};
    const velmora::cli::SkyDate date {2026, 12, 6, 21, 0, 0, "2026-12-06T21:00:00Z"};
    for (auto _ : state) {
        auto sky = velmora::cli::viewSky(train, 0.568488188976378, date);
        benchmark::DoNotOptimize(sky);
    }
}
BENCHMARK(TenBodies)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
