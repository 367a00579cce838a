// The simulator's clock: one Step per interval until told to stop or the run is over.
#pragma once

#include <atomic>

#include "client_simulator.h"
#include "sim_config.h"

// Steps the started simulator every config.intervalMs until stop is set or config.ticks or
// config.durationSeconds are used up, then settles it so every file is whole. False when a file
// could not be written (simulator.error() says which).
bool RunClientSimulator(ClientSimulator& simulator, const SimConfig& config,
                        const std::atomic<bool>& stop);
