// Log lines as the program writes them, typed out by hand for the history tests.
#pragma once

#include <string>

#include "export/export_test_support.h"

namespace log_lines {

// 23 columns: logged 2024/03/04 05:06:07, recorded 2002/04/02 14:35:51 UT, from 12.5 h +5.25 deg,
// CPU 7200 s at progress 1, best Gaussian score 3.25 and power 4.5.
inline std::string Basic(const std::string& logged = "2024/03/04 05:06:07",
                         const std::string& name = "\"02ap02aa.1.2.3.4\"",
                         const std::string& cpu = "7200.000") {
    return logged + "," + name +
           ",2024/03/01 10:00:00,3,288,2002/04/02 14:35:51,12.500,5.25,12.531,5.30,"
           "1418357421.88,1418455078.12,9765.62,1048576,107.374,1.000000," +
           cpu + "," + cpu + ",22.500000,123.456789,3.250000,4.500000,1.234567";
}

// The same unit in 28 columns.
inline std::string New(const std::string& logged = "2024/03/04 05:06:07",
                       const std::string& name = "\"02ap02aa.1.2.3.4\"",
                       const std::string& cpu = "7200.000") {
    return Basic(logged, name, cpu) + ",0.900000,1.100000,12,0.000000,-0.125000";
}

// The title line of the basic layout, as the exporter's tests spell it.
inline const std::string& kTitle23 = export_test::kTitle23;

}  // namespace log_lines
