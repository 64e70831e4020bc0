// Stores that the result records use where a value is not clamped.
//
// A "plain" single-precision store keeps the value as the float conversion gives
// it (tiny magnitudes included), but a double beyond the float range, an infinity
// or a NaN would put an infinity or NaN into a record that reports and files read
// back; those take the bounds of ClampToFloat instead (+-1e37, NaN as +1e37).
// Double-precision records get the same guard against infinities and NaNs.
#pragma once

// Single-precision store without the 1e-37 floor of ClampToFloat.
float PlainToFloat(double x);

// x when it is finite; +-1e37 for an infinity, +1e37 for a NaN.
double FiniteOrBound(double x);
