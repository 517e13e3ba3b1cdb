#include "schedule/DaySchedule.h"

#include "schedule/MomentSchedule.h"
#include "schedule/TimeText.h"

#include <algorithm>

namespace stillmark {
namespace {

// More than a day's moments: a clock stepped back by any part of a day finds its alerts here.
constexpr std::size_t kRememberedOccurrences = 64;

} // namespace

void DaySchedule::Rebuild(std::string_view startText, std::string_view endText, int count, bool useAmPm) {
    const std::vector<double> hours = ComputeMoments(startText, endText, count);
    std::vector<std::string> texts = ComputeMomentTexts(startText, endText, count, useAmPm);
    m_moments.clear();
    for (std::size_t i = 0; i < hours.size() && i < texts.size(); ++i) {
        const HourMinute listed = SplitHourMinute(ParseTime(texts[i]));
        m_moments.push_back({hours[i], std::move(texts[i]), listed.hour, listed.minute});
    }
}

std::vector<std::size_t> DaySchedule::Due(const ClockReading& now) {
    if (now.second >= 5) {
        m_alerted = false;
        return {};
    }
    if (m_alerted || now.hour < 0 || now.minute < 0)
        return {};
    const Occurrence occurrence{now.year, now.month, now.day, now.hour, now.minute};
    if (std::find(m_given.begin(), m_given.end(), occurrence) != m_given.end())
        return {};

    std::vector<std::size_t> due;
    for (std::size_t i = 0; i < m_moments.size(); ++i) {
        if (m_moments[i].hour == now.hour && m_moments[i].minute == now.minute)
            due.push_back(i);
    }
    if (!due.empty()) {
        m_alerted = true;
        m_given.push_back(occurrence);
        if (m_given.size() > kRememberedOccurrences)
            m_given.pop_front();
    }
    return due;
}

} // namespace stillmark
