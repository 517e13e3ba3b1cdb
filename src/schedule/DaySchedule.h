#pragma once
// The day's moments and the decision which of them alert at a clock reading; no display.
#include "schedule/Clock.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace stillmark {

struct Moment {
    double hours;     // as spread over the window; 24 and more after midnight of a window that crosses it
    std::string text; // as the list shows it
    int hour;         // what the alert compares with the clock: the listed text read back
    int minute;
};

class DaySchedule {
public:
    // Replaces the moments (none when count is outside 1..40); keeps the memory of alerts already given.
    void Rebuild(std::string_view startText, std::string_view endText, int count, bool useAmPm);
    const std::vector<Moment>& Moments() const { return m_moments; }

    // Indexes, in list order, of the moments that alert at this reading: in seconds 0 to 4 of the moment's
    // minute, equal moments together. A tick at second 5 or later ends the minute's alert; an occurrence
    // (date and minute) alerts once, however the clock is stepped back or forward.
    std::vector<std::size_t> Due(const ClockReading& now);

private:
    struct Occurrence {
        int year, month, day, hour, minute;
        bool operator==(const Occurrence&) const = default;
    };

    std::vector<Moment> m_moments;
    bool m_alerted = false;         // an alert was given since the last tick at second 5 or later
    std::deque<Occurrence> m_given; // the latest occurrences alerted, oldest first
};

} // namespace stillmark
