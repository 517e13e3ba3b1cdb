#pragma once
// The reminder: a tick each second, kept to the start of the wall-clock second, that asks the day's
// schedule which moments are due and alerts each; an alert's sound follows a second later.
#include "ui/main/InterimDaySchedule.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <wx/event.h>
#include <wx/timer.h>

namespace stillmark {

class Clock;
class SoundPlayback;

class Reminder final : public wxEvtHandler {
public:
    static constexpr int kTickMs = 1000;
    static constexpr int kSoundDelayMs = 1000;

    Reminder(Clock& clock, DaySchedule& schedule, SoundPlayback& sound,
             std::function<void(std::size_t)> onAlert);
    ~Reminder() override;

    void Start();
    void Stop();
    // One tick: every moment due at the clock's reading alerts, in list order.
    void Tick();
    // Plays the sound a second from now, after the sounds queued before it.
    void PlayLater(const std::string& soundText);

private:
    void OnTick(wxTimerEvent& event);
    void KeepOnTheSecond();
    void OnSoundDue(wxTimerEvent& event);

    Clock& m_clock;
    DaySchedule& m_schedule;
    SoundPlayback& m_sound;
    std::function<void(std::size_t)> m_onAlert;
    wxTimer m_tick;
    wxTimer m_soundTimer;
    std::deque<std::string> m_sounds;
    bool m_realigning = false;
};

} // namespace stillmark
