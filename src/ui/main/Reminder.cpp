#include "ui/main/Reminder.h"

#include "schedule/Clock.h"
#include "schedule/ReminderText.h"

#include <chrono>

namespace stillmark {

Reminder::Reminder(Clock& clock, DaySchedule& schedule, std::function<void(std::size_t)> onAlert,
                   DateGate alertsOn)
    : m_clock(clock), m_schedule(schedule), m_onAlert(std::move(onAlert)), m_alertsOn(std::move(alertsOn)),
      m_tick(this) {
    Bind(wxEVT_TIMER, &Reminder::OnTick, this, m_tick.GetId());
}

Reminder::~Reminder() {
    Stop();
}

void Reminder::Start() {
    m_tick.Start(kTickMs);
}

void Reminder::Stop() {
    m_tick.Stop();
}

void Reminder::Tick() {
    const ClockReading now = m_clock.Now();
    const std::vector<std::size_t> due = m_schedule.Due(now);
    // A day off or a paused day: the schedule still counts the moment as passed, nothing alerts.
    if (due.empty() || (m_alertsOn && !m_alertsOn(now)))
        return;
    for (std::size_t index : due)
        m_onAlert(index);
}

void Reminder::OnTick(wxTimerEvent&) {
    Tick();
    KeepOnTheSecond();
}

void Reminder::KeepOnTheSecond() {
    if (m_realigning) {
        m_realigning = false;
        m_tick.Start(kTickMs);
        return;
    }
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const int intoSecond =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000);
    if (const auto delay = RealignDelayMs(intoSecond)) {
        m_realigning = true;
        m_tick.StartOnce(*delay);
    }
}

} // namespace stillmark
