#include "schedule/Mathematics.h"

#include <cmath>

namespace stillmark {

double IntegerPart(double x) {
    double integer = 0.0;
    std::modf(x, &integer);
    return integer;
}

double FractionalPart(double x) {
    double integer = 0.0;
    return std::modf(x, &integer);
}

double RoundToMultiple(double x, double step) {
    const double quotient = x / step;
    const double whole = IntegerPart(quotient);
    const double fraction = FractionalPart(quotient);

    double rounded = whole;
    if (fraction >= 0.5 && fraction < 1.0) {
        rounded = whole + 1.0;
    } else if (fraction <= -0.5 && fraction > -1.0) {
        rounded = whole - 1.0;
    }
    return rounded * step;
}

} // namespace stillmark
