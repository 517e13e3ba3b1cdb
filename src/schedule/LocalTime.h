#pragma once
// Local calendar dates and the instants at which a local minute starts, in the process's time zone.
#include "base/Clock.h"

#include <ctime>
#include <vector>

namespace stillmark {

struct LocalDate {
    int year = 0, month = 0, day = 0; // month 1 to 12
    bool operator==(const LocalDate&) const = default;
};

// The local wall clock's reading at that instant.
ClockReading ReadingAt(std::time_t when);

// The local date `days` days after the one `now` falls on.
LocalDate LocalDateAfter(std::time_t now, int days);

// The calendar day before a date (the same for a date that does not exist).
LocalDate DayBefore(const LocalDate& date);

// The instants at which hour:minute starts on that local date: none on a day that skips it (the clock
// goes forward over it), two on a day that repeats it (the clock goes back over it), earliest first.
std::vector<std::time_t> LocalMinuteStarts(const LocalDate& date, int hour, int minute);

} // namespace stillmark
