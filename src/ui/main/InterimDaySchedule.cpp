#include "ui/main/InterimDaySchedule.h"

#include "schedule/MomentSchedule.h"
#include "schedule/TimeText.h"

namespace stillmark {

void DaySchedule::Rebuild(std::string_view startText, std::string_view endText, int count, bool useAmPm) {
    m_moments.clear();
    for (const std::string& text : ComputeMomentTexts(startText, endText, count, useAmPm)) {
        const double hours = ParseTime(text);
        const HourMinute hm = SplitHourMinute(hours);
        m_moments.push_back({hours, text, hm.hour, hm.minute});
    }
}

std::vector<std::size_t> DaySchedule::Due(const ClockReading& now) {
    std::vector<std::size_t> due;
    if (now.hour < 0 || now.minute < 0 || now.second < 0 || now.second > 4)
        return due;
    const auto occurrence = std::tuple(now.year, now.month, now.day, now.hour, now.minute);
    if (m_alerted.count(occurrence))
        return due;
    for (std::size_t i = 0; i < m_moments.size(); ++i) {
        if (m_moments[i].hour == now.hour && m_moments[i].minute == now.minute)
            due.push_back(i);
    }
    if (!due.empty())
        m_alerted.insert(occurrence);
    return due;
}

} // namespace stillmark
