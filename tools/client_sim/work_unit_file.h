// A work unit as the client stores it: a header of key=value lines closed by "end_seti_header",
// then the large encoded data part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "key_value_lines.h"
#include "sim_random.h"

inline constexpr char kEndOfHeader[] = "end_seti_header";

struct WorkUnitFile {
    KeyValueLines header;  // "type=seti_wu" first, as the client writes it
    std::string dataPart;  // everything after the end line

    std::string Name() const { return header.Get("name"); }
    // The whole work_unit.sah.
    std::string Text() const;
    // Bytes of the header with its end line: a cut in this range reaches what a reader uses.
    size_t HeaderBytes() const;
    // The result.sah of the finished unit: the header as "type=result" with the CPU time.
    std::string ResultText(double cpuTime) const;
};

// A tape-style name such as "07ap02aa.13514.8656.173286.118", from the recording date.
std::string MakeWorkUnitName(SimRandom& random, double timeRecorded);

// A fresh unit with a header of plausible values and a data part of some hundred KB.
WorkUnitFile MakeWorkUnit(SimRandom& random, const std::string& name, double timeRecorded);

// A unit already in the directory; its header needs a name.
std::optional<WorkUnitFile> AdoptWorkUnit(const std::string& fileText);
