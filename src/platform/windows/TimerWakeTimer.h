#pragma once
// The wake timer on a wxTimer: one timer to the next moment, in steps of at most a minute, so that a
// clock set by hand, a resume from sleep or a new time zone are seen within that minute.
#include "base/WakeTimer.h"

#include <chrono>
#include <memory>

class wxTimer;

namespace stillmark {

class TimerWakeTimer final : public WakeTimer {
public:
    TimerWakeTimer();
    ~TimerWakeTimer() override;
    TimerWakeTimer(const TimerWakeTimer&) = delete;
    TimerWakeTimer& operator=(const TimerWakeTimer&) = delete;

    void Arm(std::optional<std::time_t> when, std::function<void()> onWake) override;
    void Disarm() override;

private:
    void Step();
    void OnTimer();

    std::unique_ptr<wxTimer> m_timer;
    std::optional<std::time_t> m_when;
    std::function<void()> m_onWake;
    // Where the wall clock should be at the step's end, measured on the steady clock: a difference
    // means the wall clock moved under the timer.
    std::chrono::system_clock::time_point m_wallAtStep;
    std::chrono::steady_clock::time_point m_steadyAtStep;
};

} // namespace stillmark
