#pragma once

#include <array>
#include <string>
#include <string_view>

namespace stillmark {

// A time value is a number of hours since midnight (07:30 is 7.5); an increment is a duration in hours.

// Reads a time text ("07:30", "07:30 pm") or an increment text ("30 min", "1 hour"). Never fails: text
// that cannot be read gives 0.0, or the part that could be read. Works on bytes.
double ParseTime(std::string_view text);

// Writes a time value as "HH:MM" or, with useAmPm, as "HH:MM am" / "HH:MM pm"; values outside the day are
// wrapped into it first.
std::string FormatTime(double hours, bool useAmPm);

// One step of a time's arrows: step > 0 (up) moves the time later by the increment, step < 0 (down)
// earlier, 0 not at all. The result is formatted, so it wraps through midnight.
std::string StepTimeText(std::string_view timeText, std::string_view incrementText, int step, bool useAmPm);

struct HourMinute {
    int hour;
    int minute;
};

// Whole hours (truncated) and the fraction rounded to a whole minute, without carrying a minute of 60 into
// the hour: the reminder tick compares this with the clock.
HourMinute SplitHourMinute(double value);

// The list of the increment combo box, in its order.
inline const std::array<std::string_view, 6> kIncrementChoices = {"1 min",  "5 min",  "10 min",
                                                                  "15 min", "30 min", "1 hour"};

} // namespace stillmark
