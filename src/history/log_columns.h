// The CSV log's columns, in their order: the export writes them and the history reads them back.
// A column added or moved is one line here (and, for the export, one case of its value switch).
#pragma once

#include <cstddef>
#include <iterator>

enum class LogColumn {
    kUpdate,
    kUnitName,
    kReceived,
    kSetiVersion,
    kSplitterVersion,
    kTimeUt,
    kFromRa,
    kFromDec,
    kToRa,
    kToDec,
    kBaseFreq,
    kCenterFreq,
    kRate,
    kSamples,
    kSamplesPerRate,
    kProgress,
    kCpuTime,
    kCpuTimeAtCompleted,
    kScoreSpike,
    kPowerSpike,
    kScoreGaussians,
    kPowerGaussians,
    kFitGaussians,
    kTrueMeanGaussians,
    kSigmaGaussians,
    kT0Gaussians,
    kChirpRateSpike,
    kChirpRateGaussians,
};

enum class LogShape {
    kLocalTime,          // "%Y/%m/%d %H:%M:%S", always there
    kQuotedText,         // between double quotes, quotes inside doubled
    kOptionalLocalTime,  // the same as kLocalTime, or nothing
    kOptionalUtTime,     // the same in UT, or nothing
    kInteger,            // "%d"
    kReal,               // "%.Nf", N the column's decimals
};

struct LogColumnInfo {
    LogColumn column;
    const char* title;
    LogShape shape;
    int decimals;  // for kReal
    bool newLayoutOnly;
};

// The basic layout is every column not marked newLayoutOnly; those come last, after it.
inline constexpr LogColumnInfo kLogColumns[] = {
    {LogColumn::kUpdate, "Update", LogShape::kLocalTime, 0, false},
    {LogColumn::kUnitName, "Unit Name", LogShape::kQuotedText, 0, false},
    {LogColumn::kReceived, "Received", LogShape::kOptionalLocalTime, 0, false},
    {LogColumn::kSetiVersion, "SETI Version", LogShape::kInteger, 0, false},
    {LogColumn::kSplitterVersion, "Splitter Version", LogShape::kInteger, 0, false},
    {LogColumn::kTimeUt, "Time(UT)", LogShape::kOptionalUtTime, 0, false},
    {LogColumn::kFromRa, "From(RA)", LogShape::kReal, 3, false},
    {LogColumn::kFromDec, "From(Dec)", LogShape::kReal, 2, false},
    {LogColumn::kToRa, "To(RA)", LogShape::kReal, 3, false},
    {LogColumn::kToDec, "To(Dec)", LogShape::kReal, 2, false},
    {LogColumn::kBaseFreq, "Base Freq", LogShape::kReal, 2, false},
    {LogColumn::kCenterFreq, "Center Freq", LogShape::kReal, 2, false},
    {LogColumn::kRate, "Rate", LogShape::kReal, 2, false},
    {LogColumn::kSamples, " Samples", LogShape::kInteger, 0, false},
    {LogColumn::kSamplesPerRate, "Samples/Rate", LogShape::kReal, 3, false},
    {LogColumn::kProgress, "Progress", LogShape::kReal, 6, false},
    {LogColumn::kCpuTime, "CPU Time", LogShape::kReal, 3, false},
    {LogColumn::kCpuTimeAtCompleted, "CPU Time at Completed", LogShape::kReal, 3, false},
    {LogColumn::kScoreSpike, "Score(Spike)", LogShape::kReal, 6, false},
    {LogColumn::kPowerSpike, "Power(Spike)", LogShape::kReal, 6, false},
    {LogColumn::kScoreGaussians, "Score(Gaussians)", LogShape::kReal, 6, false},
    {LogColumn::kPowerGaussians, "Power(Gaussians)", LogShape::kReal, 6, false},
    {LogColumn::kFitGaussians, "Fit(Gaussians)", LogShape::kReal, 6, false},
    {LogColumn::kTrueMeanGaussians, "True Mean(Gaussians)", LogShape::kReal, 6, true},
    {LogColumn::kSigmaGaussians, "Sigma(Gaussians)", LogShape::kReal, 6, true},
    {LogColumn::kT0Gaussians, "t0(Gaussians)", LogShape::kInteger, 0, true},
    {LogColumn::kChirpRateSpike, "Chirp Rate(Spike)", LogShape::kReal, 6, true},
    {LogColumn::kChirpRateGaussians, "Chirp Rate(Gaussians)", LogShape::kReal, 6, true},
};

inline constexpr size_t kNewLayoutColumns = std::size(kLogColumns);
inline constexpr size_t kBasicLayoutColumns = [] {
    size_t count = 0;
    for (const LogColumnInfo& info : kLogColumns) {
        count += !info.newLayoutOnly;
    }
    return count;
}();

static_assert(
    [] {
        for (size_t k = kBasicLayoutColumns; k < kNewLayoutColumns; ++k) {
            if (!kLogColumns[k].newLayoutOnly) {
                return false;
            }
        }
        return true;
    }(),
    "the new layout's own columns come after the basic ones");

// The columns of one layout: all of them, or the basic ones.
constexpr size_t LogColumnCount(bool newLayout) {
    return newLayout ? kNewLayoutColumns : kBasicLayoutColumns;
}
