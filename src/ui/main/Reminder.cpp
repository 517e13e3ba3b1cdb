#include "ui/main/Reminder.h"

#include "base/Clock.h"
#include "base/WakeTimer.h"
#include "ui/main/DesktopActivity.h"

#include <algorithm>

namespace stillmark {

Reminder::Reminder(Clock& clock, DaySchedule& schedule, WakeTimer& timer, DesktopActivity& desktop,
                   std::function<bool()> quiet, AlertHandler onAlert, std::function<void()> onArmed)
    : m_clock(clock), m_schedule(schedule), m_timer(timer), m_desktop(desktop), m_quiet(std::move(quiet)),
      m_onAlert(std::move(onAlert)), m_onArmed(std::move(onArmed)) {}

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
    if (!m_running)
        return;
    std::optional<std::time_t> wake = m_schedule.NextWake(m_clock.Seconds());
    if (m_snoozeAt)
        wake = wake ? std::min(*wake, *m_snoozeAt) : *m_snoozeAt;
    m_timer.Arm(wake, [this] { Tick(); });
    if (m_onArmed)
        m_onArmed();
}

void Reminder::Tick() {
    const std::vector<std::size_t> due = m_schedule.Due(m_clock.Now());
    const bool snoozeDue = m_snoozeAt && *m_snoozeAt <= m_clock.Seconds();
    if (snoozeDue)
        m_snoozeAt.reset();
    if (!due.empty() || snoozeDue) {
        // Asked once for the whole tick: the state is what was last signalled, never waited for.
        const ReminderDelivery delivery = DeliveryFor(m_quiet && m_quiet(), m_desktop.Now());
        for (std::size_t index : due)
            m_onAlert(index, delivery);
        if (snoozeDue)
            m_onAlert(std::nullopt, delivery);
    }
    Reschedule();
}

void Reminder::Snooze(int seconds) {
    m_snoozeAt = m_clock.Seconds() + seconds;
    Reschedule();
}

void Reminder::CancelSnooze() {
    if (!m_snoozeAt)
        return;
    m_snoozeAt.reset();
    Reschedule();
}

} // namespace stillmark
