// The signal searches the client runs at a given angle range and FFT length.
#pragma once

// One of six fixed texts, from "(none)" to "Gaussians/Pulses/Triplets".
const char* GetAnalysisItems(double angleRange, int fftLength);
