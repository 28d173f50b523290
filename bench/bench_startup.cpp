// Start-up time and resident memory of the program against a bare Qt window, side by side in one
// run, in the X server named by DISPLAY (bench/run-startup starts an Xvfb of its own):
//
//   bash bench/run-startup
//
// The second yardstick, a bare window with one label, shows what any window with text pays for
// the desktop's fonts before it can draw a letter.
//
// Each repetition starts both programs, in alternating order, and measures for each the time from
// exec to the MapNotify of its window, then its resident memory once the window shows. The
// counters are in ms and KiB; "time_ratio" and "rss_ratio" are program over bare window.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

extern char** environ;

namespace {

xcb_connection_t* connection = nullptr;
const char* programPath = TOLLVANE_PROGRAM;

struct Launch {
    double mappedMs = 0;
    double rssKiB = 0;
};

double ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr);
    }
    return 0;
}

// Starts `program`, waits for a top-level window to be mapped, measures, and ends it.
Launch Measure(const char* program) {
    using Clock = std::chrono::steady_clock;
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) std::abort();

    Launch launch;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        std::free(event);
        if (mapped) break;
    }
    launch.mappedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // first paint done
    launch.rssKiB = ResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return launch;
}

void BM_StartupAgainst(benchmark::State& state, const char* barePath) {
    bool programFirst = false;
    for (auto _ : state) {
        Launch program, bare;
        if (programFirst) {
            program = Measure(programPath);
            bare = Measure(barePath);
        } else {
            bare = Measure(barePath);
            program = Measure(programPath);
        }
        programFirst = !programFirst;
        state.SetIterationTime(program.mappedMs / 1000);
        state.counters["program_ms"] = program.mappedMs;
        state.counters["bare_ms"] = bare.mappedMs;
        state.counters["time_ratio"] = program.mappedMs / bare.mappedMs;
        state.counters["program_rss_KiB"] = program.rssKiB;
        state.counters["bare_rss_KiB"] = bare.rssKiB;
        state.counters["rss_ratio"] = program.rssKiB / bare.rssKiB;
    }
}
void Configure(benchmark::internal::Benchmark* b) {
    b->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(21)
        ->DisplayAggregatesOnly();
}
BENCHMARK_CAPTURE(BM_StartupAgainst, bare_window, BARE_WINDOW_PROGRAM)->Apply(Configure);
BENCHMARK_CAPTURE(BM_StartupAgainst, bare_label_window, BARE_LABEL_WINDOW_PROGRAM)
    ->Apply(Configure);

}  // namespace

int main(int argc, char* argv[]) {
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "bench_startup: no X server (DISPLAY); use bench/run-startup\n");
        return 1;
    }
    // Every window mapped on the screen reaches us as a MapNotify.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    benchmark::Initialize(&argc, argv);
    if (argc > 1) programPath = argv[1];  // bench_startup [PROGRAM]: another program instead
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    xcb_disconnect(connection);
    return 0;
}
