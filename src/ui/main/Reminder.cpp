#include "ui/main/Reminder.h"

#include "base/Clock.h"
#include "base/WakeTimer.h"

namespace stillmark {

Reminder::Reminder(Clock& clock, DaySchedule& schedule, WakeTimer& timer,
                   std::function<void(std::size_t)> onAlert)
    : m_clock(clock), m_schedule(schedule), m_timer(timer), m_onAlert(std::move(onAlert)) {}

Reminder::~Reminder() {
    Stop();
}

void Reminder::Start() {
    m_running = true;
    Reschedule();
}

void Reminder::Stop() {
    if (m_running)
        m_timer.Disarm();
    m_running = false;
}

void Reminder::Reschedule() {
    if (m_running)
        m_timer.Arm(m_schedule.NextWake(m_clock.Seconds()), [this] { Tick(); });
}

void Reminder::Tick() {
    for (std::size_t index : m_schedule.Due(m_clock.Now()))
        m_onAlert(index);
    Reschedule();
}

} // namespace stillmark
