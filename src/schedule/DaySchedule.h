#pragma once
// The day's moments and the decision which of them alert at a clock reading; no display.
#include "base/Clock.h"
#include "schedule/LocalTime.h"

#include <cstddef>
#include <ctime>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace stillmark {

struct Moment {
    double hours;     // as spread over the window; 24 and more after midnight of a window that crosses it
    std::string text; // as the list shows it
    int hour;         // what the alert compares with the clock: the listed text read back
    int minute;
    bool nextDay =
        false; // listed after the midnight of a window that crosses it: it belongs to the day before
};

// Whether the moments of the window that starts on a local date alert at all (days off, a paused day);
// every day when empty.
using AlertDayFilter = std::function<bool(const LocalDate&)>;

class DaySchedule {
public:
    explicit DaySchedule(AlertDayFilter alertsOn = {}) : m_alertsOn(std::move(alertsOn)) {}

    // Replaces the moments (none when count is outside 1..40); keeps the memory of alerts already given.
    void Rebuild(std::string_view startText, std::string_view endText, int count, bool useAmPm);
    const std::vector<Moment>& Moments() const { return m_moments; }

    // Indexes, in list order, of the moments that alert at this reading: in seconds 0 to 4 of the moment's
    // minute, equal moments together. An occurrence (date and minute) alerts once, however the clock is
    // stepped back or forward, and on a day whose minute comes twice only the first time. A moment after
    // the midnight of a window that crosses it alerts as the day its window started decides.
    std::vector<std::size_t> Due(const ClockReading& now);

    // When to look again after `now`: the start of the earliest minute, in local wall-clock time, whose
    // moments are still to alert (at or before `now` while its five seconds last), or the next local
    // midnight if that comes first. Nothing when no moment can alert.
    std::optional<std::time_t> NextWake(std::time_t now) const;

private:
    struct Occurrence {
        int year, month, day, hour, minute;
        bool operator==(const Occurrence&) const = default;
    };

    bool AlertsOn(const LocalDate& date) const { return !m_alertsOn || m_alertsOn(date); }
    bool Given(const Occurrence& occurrence) const;

    AlertDayFilter m_alertsOn;
    std::vector<Moment> m_moments;
    std::deque<Occurrence> m_given; // the latest occurrences alerted, oldest first
};

} // namespace stillmark
