// The simulator's command line.
#pragma once

#include <string>

#include "sim_config.h"

struct SimOptions {
    SimConfig config;
    bool help = false;
    bool quiet = false;
    std::string error;  // set when the command line can't be used
};

SimOptions ParseSimOptions(int argc, const char* const* argv);
std::string SimUsage(const char* program);
