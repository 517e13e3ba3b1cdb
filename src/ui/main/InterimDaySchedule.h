#pragma once
// Until the schedule layer brings its own: the day's moments and the alert decision, no display.
#include "ui/main/Clock.h"

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace stillmark {

struct Moment {
    double hours;
    std::string text;
    int hour;
    int minute;
};

class DaySchedule {
public:
    // Replaces the moments (empty when count is outside 1..40); keeps the memory of alerts given.
    void Rebuild(std::string_view startText, std::string_view endText, int count, bool useAmPm);
    const std::vector<Moment>& Moments() const { return m_moments; }
    // The moments that alert at this reading: seconds 0 to 4 of their minute, once per occurrence.
    std::vector<std::size_t> Due(const ClockReading& now);

private:
    std::vector<Moment> m_moments;
    std::set<std::tuple<int, int, int, int, int>> m_alerted; // date, hour, minute
};

} // namespace stillmark
