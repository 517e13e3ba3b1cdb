#include "ui/main/DayPause.h"

#include "base/Clock.h"
#include "schedule/AlertDays.h"

#include <utility>

namespace stillmark {

DayPause::DayPause(const Clock& clock, std::string& pausedOn, std::function<void(bool)> onLabel,
                   std::function<void()> onStored)
    : m_clock(clock), m_pausedOn(pausedOn), m_onLabel(std::move(onLabel)), m_onStored(std::move(onStored)),
      m_midnight(this) {
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Refresh(); });
}

DayPause::~DayPause() {
    m_midnight.Stop();
}

bool DayPause::PausedToday() const {
    const ClockReading now = m_clock.Now();
    return !m_pausedOn.empty() && m_pausedOn == DateText(now.year, now.month, now.day);
}

void DayPause::Toggle() {
    const ClockReading now = m_clock.Now();
    m_pausedOn = PausedToday() ? std::string() : DateText(now.year, now.month, now.day);
    if (m_onStored)
        m_onStored();
    Refresh();
}

void DayPause::Refresh() {
    if (m_onLabel)
        m_onLabel(PausedToday());
    // Only the label waits for midnight; the alerts compare dates themselves. A second past it, as a
    // timer may come a little early.
    const ClockReading now = m_clock.Now();
    const int secondsToday = now.hour < 0 ? 0 : now.hour * 3600 + now.minute * 60 + now.second;
    m_midnight.StartOnce((24 * 3600 - secondsToday + 1) * 1000);
}

} // namespace stillmark
