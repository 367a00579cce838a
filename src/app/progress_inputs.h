// The inputs of the progress page as a client's monitor holds them.
#pragma once

#include "monitor/client_monitor.h"
#include "pages/progress_page.h"

inline ProgressInputs ProgressInputsOf(const ClientMonitor& monitor) {
    const WorkUnitBaseline base = monitor.Baseline();
    return ProgressInputs{
        monitor.WorkUnit(), monitor.State(), monitor.Version(), monitor.TimeUpdate(),
        base.time,          base.cpu,        base.set};
}
