// What the charts share: the text size, an empty chart's message and the time axis.
#pragma once

#include <cstdint>

// Texts a little smaller than PLplot's default, for charts of a few hundred pixels.
void UseChartTextSize();

// The whole picture says only this (a chart without units).
void DrawChartMessage(const char* text);

// The time charts' x: days since Monday 1969-12-29 of the log's wall clock, so that ticks a whole
// number of weeks apart fall on Mondays, where the weeks of the weekly chart begin.
double ChartDay(std::int64_t wallClockSeconds);

// A box with an x axis of dates (ChartDay) and a y axis of numbers, its labels and the title.
void DrawTimeAxes(double fromDay, double toDay, const char* xLabel, const char* yLabel,
                  const char* title);
