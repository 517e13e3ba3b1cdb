#pragma once
// The reminder: sleeps on one timer until the next moment's minute starts (or a snoozed reminder is due),
// then alerts each moment due as the quiet rules decide, and sleeps again. It also looks again whenever the
// clock, the time zone or the schedule may have moved.
#include "schedule/DaySchedule.h"
#include "schedule/QuietRules.h"

#include <cstddef>
#include <ctime>
#include <functional>
#include <optional>

namespace stillmark {

class Clock;
class DesktopActivity;
class WakeTimer;

// A moment of the list by its index, or (no index) a snoozed reminder, each with how it is delivered.
using AlertHandler = std::function<void(std::optional<std::size_t> index, ReminderDelivery delivery)>;

class Reminder final {
public:
    // quiet: whether the quiet rules apply now; onArmed: called each time the timer is armed again (the
    // schedule, the day or a snooze changed what comes next).
    Reminder(Clock& clock, DaySchedule& schedule, WakeTimer& timer, DesktopActivity& desktop,
             std::function<bool()> quiet, AlertHandler onAlert, std::function<void()> onArmed = {});
    ~Reminder();
    Reminder(const Reminder&) = delete;
    Reminder& operator=(const Reminder&) = delete;

    void Start();
    void Stop();
    // The schedule or the settings changed: sleep until the moment now next due.
    void Reschedule();
    // Every moment due at the clock's reading alerts, in list order, then a snooze that is due; then the
    // timer is armed again.
    void Tick();
    // One more reminder this many seconds from now, replacing a snooze still to come; kept in memory only.
    void Snooze(int seconds);
    // The snoozed reminder does not come (the day was paused after it was asked for).
    void CancelSnooze();
    // When the snoozed reminder comes, if one is to come.
    std::optional<std::time_t> SnoozedUntil() const { return m_snoozeAt; }

private:
    Clock& m_clock;
    DaySchedule& m_schedule;
    WakeTimer& m_timer;
    DesktopActivity& m_desktop;
    std::function<bool()> m_quiet;
    AlertHandler m_onAlert;
    std::function<void()> m_onArmed;
    std::optional<std::time_t> m_snoozeAt;
    bool m_running = false;
};

} // namespace stillmark
