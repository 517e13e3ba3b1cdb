#include "ui/main/DayPause.h"

#include "base/Clock.h"
#include "schedule/AlertDays.h"
#include "schedule/WorkingDay.h"
#include "settings/Settings.h"

#include <utility>

namespace stillmark {

namespace {
std::string WorkingDayText(const Clock& clock, const Settings& settings) {
    const LocalDate day = WorkingDay(clock.Now(), settings.startTime, settings.endTime);
    return DateText(day.year, day.month, day.day);
}
} // namespace

DayPause::DayPause(const Clock& clock, Settings& settings, std::function<void(bool)> onLabel,
                   std::function<void()> onStored)
    : m_clock(clock), m_settings(settings), m_onLabel(std::move(onLabel)), m_onStored(std::move(onStored)),
      m_nextDay(this) {
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Refresh(); });
}

DayPause::~DayPause() {
    m_nextDay.Stop();
}

bool DayPause::PausedToday() const {
    return !m_settings.pausedOn.empty() && m_settings.pausedOn == WorkingDayText(m_clock, m_settings);
}

void DayPause::Toggle() {
    m_settings.pausedOn = PausedToday() ? std::string() : WorkingDayText(m_clock, m_settings);
    if (m_onStored)
        m_onStored();
    Refresh();
}

void DayPause::Refresh() {
    if (m_onLabel)
        m_onLabel(PausedToday());
    // Only the label waits for the next day; the alerts compare dates themselves. A second past it, as a
    // timer may come a little early.
    const int seconds = SecondsToNextWorkingDay(m_clock.Now(), m_settings.startTime, m_settings.endTime);
    m_nextDay.StartOnce((seconds + 1) * 1000);
}

} // namespace stillmark
