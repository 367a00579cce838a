#include "astro/analysis_items.h"

namespace {

constexpr int kRows = 20;
constexpr int kColumns = 15;

const char* const kNone = "(none)";
const char* const kT = "Triplets";
const char* const kPT = "Pulses/Triplets";
const char* const kG = "Gaussians";
const char* const kGT = "Gaussians/Triplets";
const char* const kGPT = "Gaussians/Pulses/Triplets";

// Lower bounds of angle-range rows 1..19. There is none between 0.966368 and 1.181117, so row 9
// is twice as wide as its neighbours.
constexpr double kRowThresholds[kRows - 1] = {0.107374, 0.214748, 0.322123, 0.429497, 0.536871,
                                              0.644246, 0.75162,  0.858994, 0.966368, 1.181117,
                                              1.288491, 1.395865, 1.50324,  1.610614, 1.717988,
                                              1.825362, 1.932736, 2.040111, 2.147485};

// Columns run from the longest FFT (above 65536) down to 8 or less.
const char* const kItems[kRows][kColumns] = {
    {kNone, kT, kT, kT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kT, kT},
    {kNone, kNone, kT, kT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kT, kT},
    {kNone, kNone, kNone, kT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kT},
    {kNone, kNone, kNone, kGT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT},
    {kNone, kNone, kNone, kG, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT},
    {kNone, kNone, kNone, kG, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT},
    {kNone, kNone, kNone, kG, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT},
    {kNone, kNone, kNone, kG, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT},
    {kNone, kNone, kNone, kG, kG, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT},
    {kNone, kNone, kNone, kG, kG, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT, kGPT},
    {kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
    {kNone, kNone, kNone, kNone, kNone, kNone, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT, kPT},
};

// Each test asks whether the angle range is below the next bound, so a value equal to a bound
// belongs to the higher row, and NaN (below nothing) lands in the last row.
int AngleRangeRow(double angleRange) {
    int row = 0;
    while (row < kRows - 1 && !(angleRange < kRowThresholds[row])) {
        ++row;
    }
    return row;
}

// Column 0 is anything above 65536; each further column halves the bound, down to column 14
// for 8 or less (0 and negative lengths included).
int FftLengthColumn(int fftLength) {
    int column = 0;
    for (int bound = 65536; column < kColumns - 1 && fftLength <= bound; bound /= 2) {
        ++column;
    }
    return column;
}

}  // namespace

const char* GetAnalysisItems(double angleRange, int fftLength) {
    return kItems[AngleRangeRow(angleRange)][FftLengthColumn(fftLength)];
}
