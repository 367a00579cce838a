// The history benchmarks' log and their floor.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Writes a log of the given number of lines after its title: the demo's lines repeated under new
// names, a farm of machines logging into one file, both layouts, lines of units logged twice.
// Returns its size in bytes.
std::size_t WriteHistoryLog(const std::string& path, int lines);

// The floor: the file read whole into the buffer, then each line cut at its commas into fields.
// Returns the number of fields.
std::size_t ReadAndSplit(const std::string& path, std::vector<char>& buffer);
