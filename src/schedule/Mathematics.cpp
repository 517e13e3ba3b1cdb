#include "schedule/Mathematics.h"

#include <cmath>

CMathematics::~CMathematics() = default;

double CMathematics::IntegerPart(double x) const {
    double integer = 0.0;
    std::modf(x, &integer);
    return integer;
}

double CMathematics::FractionalPart(double x) const {
    double integer = 0.0;
    return std::modf(x, &integer);
}

double CMathematics::RoundToMultiple(double x, double step) const {
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
