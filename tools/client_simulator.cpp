// vantrel-client-sim: plays a SETI@home client in a directory, so that Vantrel has something
// that moves. See --help.
#include <csignal>
#include <cstdio>

#include "client_sim/client_simulator.h"
#include "client_sim/sim_options.h"
#include "client_sim/sim_run.h"

namespace {

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnStopSignal(int) {
    g_stop = true;
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const SimOptions options = ParseSimOptions(argc, argv);
    if (options.help) {
        std::fputs(SimUsage(argv[0]).c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "vantrel-client-sim: %s\n%s", options.error.c_str(),
                     SimUsage(argv[0]).c_str());
        return 2;
    }
    InstallStopHandlers();

    ClientSimulator simulator(options.config);
    if (!options.quiet) {
        simulator.SetLog([](const std::string& line) {
            std::printf("vantrel-client-sim: %s\n", line.c_str());
            std::fflush(stdout);
        });
        std::printf("vantrel-client-sim: %s, %g units a minute, seed %llu%s\n",
                    options.config.dir.c_str(), options.config.unitsPerMinute,
                    static_cast<unsigned long long>(options.config.seed),
                    options.config.glitches ? ", with torn writes" : "");
    }
    if (!simulator.Start() || !RunClientSimulator(simulator, options.config, g_stop)) {
        std::fprintf(stderr, "vantrel-client-sim: %s\n", simulator.error().c_str());
        return 1;
    }
    if (!options.quiet) {
        std::printf("vantrel-client-sim: stopped after %lld finished units\n",
                    static_cast<long long>(simulator.UnitsFinished()));
    }
    return 0;
}
