#include "schedule/DaySchedule.h"

#include "schedule/MomentSchedule.h"
#include "schedule/TimeText.h"

#include <algorithm>

namespace stillmark {
namespace {

// More than a day's moments: a clock stepped back by any part of a day finds its alerts here.
constexpr std::size_t kRememberedOccurrences = 64;
constexpr int kAlertSeconds = 5; // a moment alerts in seconds 0 to 4 of its minute
// How far ahead a wake is looked for: past a week of days off, the schedule cannot alert at all.
constexpr int kDaysAhead = 8;

} // namespace

void DaySchedule::Rebuild(std::string_view startText, std::string_view endText, int count, bool useAmPm) {
    const std::vector<double> hours = ComputeMoments(startText, endText, count);
    std::vector<std::string> texts = ComputeMomentTexts(startText, endText, count, useAmPm);
    m_moments.clear();
    for (std::size_t i = 0; i < hours.size() && i < texts.size(); ++i) {
        const HourMinute listed = SplitHourMinute(ParseTime(texts[i]));
        const bool nextDay = ListedMinutes(hours[i]) >= 24 * 60;
        m_moments.push_back({hours[i], std::move(texts[i]), listed.hour, listed.minute, nextDay});
    }
}

bool DaySchedule::Given(const Occurrence& occurrence) const {
    return std::find(m_given.begin(), m_given.end(), occurrence) != m_given.end();
}

std::vector<std::size_t> DaySchedule::Due(const ClockReading& now) {
    if (now.second < 0 || now.second >= kAlertSeconds || now.hour < 0 || now.minute < 0)
        return {};
    const Occurrence occurrence{now.year, now.month, now.day, now.hour, now.minute};
    if (Given(occurrence))
        return {};

    const LocalDate today{now.year, now.month, now.day};
    std::vector<std::size_t> due;
    for (std::size_t i = 0; i < m_moments.size(); ++i) {
        const Moment& moment = m_moments[i];
        if (moment.hour == now.hour && moment.minute == now.minute &&
            AlertsOn(moment.nextDay ? DayBefore(today) : today))
            due.push_back(i);
    }
    if (!due.empty()) {
        m_given.push_back(occurrence);
        if (m_given.size() > kRememberedOccurrences)
            m_given.pop_front();
    }
    return due;
}

std::optional<std::time_t> DaySchedule::NextWake(std::time_t now) const {
    if (m_moments.empty())
        return std::nullopt;
    std::optional<std::time_t> wake;
    // From yesterday's window on: its moments after midnight may still be to come.
    for (int days = -1; days <= kDaysAhead && !wake; ++days) {
        const LocalDate windowDay = LocalDateAfter(now, days);
        if (windowDay.year == 0 || !AlertsOn(windowDay))
            continue;
        const LocalDate nextDay = LocalDateAfter(now, days + 1);
        for (const Moment& moment : m_moments) {
            const LocalDate& date = moment.nextDay ? nextDay : windowDay;
            if (date.year == 0 || Given({date.year, date.month, date.day, moment.hour, moment.minute}))
                continue;
            for (const std::time_t start : LocalMinuteStarts(date, moment.hour, moment.minute)) {
                if (start + kAlertSeconds > now && (!wake || start < *wake))
                    wake = start;
            }
        }
    }
    if (!wake)
        return std::nullopt;
    // A new day may change what alerts (days off, a paused day): look again at midnight.
    const std::vector<std::time_t> midnight = LocalMinuteStarts(LocalDateAfter(now, 1), 0, 0);
    return midnight.empty() ? *wake : std::min(*wake, midnight.front());
}

} // namespace stillmark
