// The hours, minutes and seconds of a duration, as every "hr min sec" text shows them.
#pragma once

struct DurationFields {
    int hours;
    int minutes;
    double seconds;  // whole seconds of the minute plus the fraction; never carried into minutes
};

// n = seconds truncated to a 32-bit integer; hours = n / 3600, minutes = (n mod 3600) / 60,
// seconds = n mod 60 plus the fraction. Out-of-range or NaN input saturates instead of
// overflowing.
DurationFields SplitDuration(double seconds);
