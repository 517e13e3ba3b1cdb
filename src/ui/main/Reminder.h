#pragma once
// The reminder: a tick each second, kept to the start of the wall-clock second, that asks the day's
// schedule which moments are due and alerts each.
#include "schedule/DaySchedule.h"

#include <cstddef>
#include <functional>
#include <wx/event.h>
#include <wx/timer.h>

namespace stillmark {

class Clock;

class Reminder final : public wxEvtHandler {
public:
    static constexpr int kTickMs = 1000;

    // Whether the local date of a reading alerts at all (days off, a pause); every date when empty.
    using DateGate = std::function<bool(const ClockReading&)>;

    Reminder(Clock& clock, DaySchedule& schedule, std::function<void(std::size_t)> onAlert,
             DateGate alertsOn = {});
    ~Reminder() override;

    void Start();
    void Stop();
    // One tick: every moment due at the clock's reading alerts, in list order.
    void Tick();

private:
    void OnTick(wxTimerEvent& event);
    void KeepOnTheSecond();

    Clock& m_clock;
    DaySchedule& m_schedule;
    std::function<void(std::size_t)> m_onAlert;
    DateGate m_alertsOn;
    wxTimer m_tick;
    bool m_realigning = false;
};

} // namespace stillmark
