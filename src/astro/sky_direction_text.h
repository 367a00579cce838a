// A sky position as the observation page and the history table write it.
#pragma once

#include "platform/base/cstring.h"

// Appends "HH hr MM min SS sec R.A., +D deg MM min SS sec Dec." for a right ascension in hours
// and a declination in degrees.
void AppendSkyDirection(CString& text, double ra, double dec);
