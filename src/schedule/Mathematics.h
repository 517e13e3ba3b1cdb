#pragma once
// Numeric operations on double values that every split of a time value into hours and minutes goes through.
namespace stillmark {

// The integer part of x, truncated toward zero.
double IntegerPart(double x);
// x minus its integer part; it carries the sign of x.
double FractionalPart(double x);
// The multiple of step nearest to x; a fraction of exactly one half moves away from zero.
double RoundToMultiple(double x, double step);

} // namespace stillmark
