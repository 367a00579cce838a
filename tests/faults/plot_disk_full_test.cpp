// The plot files on a file system that fills up: each of the two files is either its old version
// (or absent) or the whole new one, never a part, and no temporary file stays behind.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <string>

#include "export/export_test_support.h"
#include "export/plot_export.h"
#include "faults/child_process.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

constexpr const char* kUnit = "07ja99ab.9999.1234.56.7";

struct PlotFiles {
    std::string dat;
    std::string plt;
};

void Put(const TempDir& dir, const PlotFiles& files) {
    for (const std::string& name : ListDirectory(dir.path())) {
        dir.Remove(name);
    }
    const std::string unit = kUnit;
    if (files.dat != "<missing>") {
        dir.Write(unit + ".dat", files.dat);
    }
    if (files.plt != "<missing>") {
        dir.Write(unit + ".plt", files.plt);
    }
}

PlotFiles Take(const TempDir& dir) {
    const std::string unit = kUnit;
    return {Contents(dir.File(unit + ".dat")), Contents(dir.File(unit + ".plt"))};
}

// Every file limit from nothing to room for both files, over old files or none.
void CheckEveryCutPoint(const TempDir& dir, const PlotFiles& old) {
    const PlotFiles fresh = {FormatPlotData(SampleState()).str(),
                             FormatPlotScript(SampleWorkUnit(kUnit), SampleState()).str()};
    const size_t most = std::max(fresh.dat.size(), fresh.plt.size());
    for (size_t limit = 0; limit <= most; ++limit) {
        Put(dir, old);
        SetFileSizeLimit(limit);
        const bool written =
            WritePlotFiles(dir.File("log.csv"), SampleWorkUnit(kUnit), SampleState());
        SetFileSizeLimit(RLIM_INFINITY);
        // The data file goes first; the script only once the data file is in place.
        const bool datFits = limit >= fresh.dat.size();
        const bool pltFits = datFits && limit >= fresh.plt.size();
        const PlotFiles now = Take(dir);
        EXPECT_EQ(pltFits, written) << "limit " << limit;
        EXPECT_EQ(datFits ? fresh.dat : old.dat, now.dat) << "limit " << limit;
        EXPECT_EQ(pltFits ? fresh.plt : old.plt, now.plt) << "limit " << limit;
        // Nothing else in the directory: no temporary file stays behind.
        for (const std::string& name : ListDirectory(dir.path())) {
            EXPECT_TRUE(name == kUnit + std::string(".dat") || name == kUnit + std::string(".plt"))
                << name << ", limit " << limit;
        }
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

}  // namespace

TEST(PlotDiskFull, EachFileIsOldOrWholeAtEveryCutPoint) {
    TempDir dir;
    const ChildOutcome outcome = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        CheckEveryCutPoint(dir, {"<missing>", "<missing>"});
        CheckEveryCutPoint(dir, {"old data\r\n", "old script\r\n"});
    });
    EXPECT_EQ(ChildOutcome::Passed, outcome);
}
