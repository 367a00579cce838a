#include "sim_options.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {

bool ParseDouble(const std::string& text, double low, double high, double& out) {
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(value) || value < low ||
        value > high) {
        return false;
    }
    out = value;
    return true;
}

bool ParseInteger(const std::string& text, long long low, long long high, long long& out) {
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

}  // namespace

std::string SimUsage(const char* program) {
    return std::string("Usage: ") + program +
           " --dir DIR [options]\n"
           "Plays a SETI@home client in DIR: it writes version.sah, work_unit.sah, state.sah,\n"
           "user_info.sah and, when a unit is done, result.sah, as the client does. Work unit,\n"
           "state and user files already in DIR are taken over and carried on.\n"
           "\n"
           "  --dir DIR          the client directory (must exist); nothing is written elsewhere\n"
           "  --speed U          work units finished per minute (default 0.4: one every 2.5\n"
           "                     minutes; 60: one a second)\n"
           "  --interval-ms N    milliseconds between two rewrites of the state (default 1000)\n"
           "  --seed N           seed of every random choice (default: the current time)\n"
           "  --ticks N          stop after N rewrites\n"
           "  --duration S       stop after S seconds\n"
           "  --glitches         also write files the torn ways a reader may catch a client:\n"
           "                     cut short for one interval, half-written with a pause, or\n"
           "                     briefly missing\n"
           "  --glitch-rate P    share of the writes that are torn with --glitches (default 0.25)\n"
           "  --quiet            print nothing but errors\n"
           "  --help             this text\n"
           "\n"
           "Without --ticks or --duration it runs until SIGINT or SIGTERM; either way it leaves\n"
           "every file whole.\n";
}

SimOptions ParseSimOptions(int argc, const char* const* argv) {
    SimOptions options;
    SimConfig& c = options.config;
    c.seed = static_cast<std::uint64_t>(std::time(nullptr));
    c.startTime = static_cast<std::int64_t>(std::time(nullptr));
    bool haveDir = false;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                options.error = arg + " needs a value";
                return {};
            }
            return argv[++i];
        };
        long long integer = 0;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--glitches") {
            c.glitches = true;
        } else if (arg == "--dir") {
            c.dir = value();
            haveDir = !c.dir.empty();
        } else if (arg == "--speed") {
            if (!ParseDouble(value(), 1e-6, 1e6, c.unitsPerMinute) && options.error.empty()) {
                options.error = "--speed takes work units per minute, above 0";
            }
        } else if (arg == "--interval-ms") {
            if (ParseInteger(value(), 1, 3600000, integer)) {
                c.intervalMs = static_cast<int>(integer);
            } else if (options.error.empty()) {
                options.error = "--interval-ms takes 1 to 3600000";
            }
        } else if (arg == "--seed") {
            if (ParseInteger(value(), 0, INT64_MAX, integer)) {
                c.seed = static_cast<std::uint64_t>(integer);
            } else if (options.error.empty()) {
                options.error = "--seed takes a whole number of 0 or more";
            }
        } else if (arg == "--ticks") {
            if (ParseInteger(value(), 1, INT64_MAX, integer)) {
                c.ticks = integer;
            } else if (options.error.empty()) {
                options.error = "--ticks takes a whole number above 0";
            }
        } else if (arg == "--duration") {
            if (!ParseDouble(value(), 1e-3, 1e9, c.durationSeconds) && options.error.empty()) {
                options.error = "--duration takes seconds, above 0";
            }
        } else if (arg == "--glitch-rate") {
            if (!ParseDouble(value(), 0.0, 1.0, c.glitchRate) && options.error.empty()) {
                options.error = "--glitch-rate takes a share from 0 to 1";
            }
        } else {
            options.error = "unknown option " + arg;
        }
    }
    if (options.error.empty() && !options.help && !haveDir) {
        options.error = "--dir is needed";
    }
    return options;
}
