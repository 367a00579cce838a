// Reading back the CSV log the main window appends to, with nothing of the exporter's code.
#pragma once

#include <string>
#include <vector>

// Fields of one line, split at the commas outside double quotes; quotes stay in the fields.
std::vector<std::string> SplitCsvFields(const std::string& line);

struct CsvUnitLine {
    std::string name;  // unquoted
    double gaussianFit = 0.0;
};

struct CsvLogReport {
    std::vector<std::string> problems;  // one text per fault found
    std::vector<CsvUnitLine> lines;     // the data lines, in file order
    int tornNameLines = 0;              // lines under the cut name of a unit (see UnitOrder)
};

// Checks a log of the basic layout with LF line ends and a title line: every line complete with
// its 23 fields and its line end; one line per unit at most, each naming one of the units the
// client had, in the order it had them (lines under a cut unit name are counted apart); progress
// within 0..1 and CPU times not negative.
CsvLogReport CheckCsvLog(const std::string& contents, const std::vector<std::string>& unitsInOrder);
