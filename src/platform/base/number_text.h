// Numbers as printf writes them with "%.Nf", "%d", "%u" and "%X", without printf's cost: a page
// or a CSV line holds a few dozen numbers and is rebuilt on every refresh. The text is the same,
// byte for byte (both are exact: the decimal rounding of the double's own binary value).
#pragma once

// The most bytes any of the writers below writes: the sign, the 309 digits of the largest double,
// the point and 17 decimals.
inline constexpr int kNumberTextMax = 340;

// Writes value with the given number of decimals (0 to 17), as "%.<decimals>f", into buffer
// (kNumberTextMax bytes); returns the bytes written.
int WriteFixed(char* buffer, double value, int decimals);
// Writes value in decimal as "%lld" does; returns the bytes written.
int WriteInteger(char* buffer, long long value);
// Writes value as "%llu", or "%llX" with upper-case hexadecimal digits; returns the bytes written.
int WriteUnsigned(char* buffer, unsigned long long value, bool hexadecimal);
