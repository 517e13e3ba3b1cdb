#pragma once
// The reminder: sleeps on one timer until the next moment's minute starts, then alerts each moment due
// and sleeps again. It also looks again whenever the clock, the time zone or the schedule may have moved.
#include "schedule/DaySchedule.h"

#include <cstddef>
#include <functional>

namespace stillmark {

class Clock;
class WakeTimer;

class Reminder final {
public:
    Reminder(Clock& clock, DaySchedule& schedule, WakeTimer& timer, std::function<void(std::size_t)> onAlert);
    ~Reminder();
    Reminder(const Reminder&) = delete;
    Reminder& operator=(const Reminder&) = delete;

    void Start();
    void Stop();
    // The schedule or the settings changed: sleep until the moment now next due.
    void Reschedule();
    // Every moment due at the clock's reading alerts, in list order; then the timer is armed again.
    void Tick();

private:
    Clock& m_clock;
    DaySchedule& m_schedule;
    WakeTimer& m_timer;
    std::function<void(std::size_t)> m_onAlert;
    bool m_running = false;
};

} // namespace stillmark
