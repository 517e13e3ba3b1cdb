#include "platform/windows/TimerWakeTimer.h"

#include <algorithm>
#include <wx/timer.h>

namespace stillmark {
namespace {

using namespace std::chrono;

constexpr milliseconds kLongestStep = minutes(1);
// More than this between the wall clock and the steady one: the clock was set, or the machine slept.
constexpr milliseconds kClockMoved = seconds(2);

} // namespace

TimerWakeTimer::TimerWakeTimer() : m_timer(std::make_unique<wxTimer>()) {
    m_timer->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { OnTimer(); });
}

TimerWakeTimer::~TimerWakeTimer() {
    m_timer->Stop();
}

void TimerWakeTimer::Arm(std::optional<std::time_t> when, std::function<void()> onWake) {
    m_when = when;
    m_onWake = std::move(onWake);
    Step();
}

void TimerWakeTimer::Disarm() {
    m_timer->Stop();
    m_when.reset();
    m_onWake = nullptr;
}

void TimerWakeTimer::Step() {
    m_timer->Stop();
    m_wallAtStep = system_clock::now();
    m_steadyAtStep = steady_clock::now();
    // Without a moment the timer still watches the clock.
    milliseconds wait = kLongestStep;
    if (m_when) {
        const auto due = system_clock::from_time_t(*m_when);
        wait = std::clamp(duration_cast<milliseconds>(due - m_wallAtStep) + milliseconds(1), milliseconds(0),
                          kLongestStep);
    }
    if (m_onWake)
        m_timer->StartOnce(static_cast<int>(wait.count()));
}

void TimerWakeTimer::OnTimer() {
    const auto wallGone = system_clock::now() - m_wallAtStep;
    const auto steadyGone = steady_clock::now() - m_steadyAtStep;
    const bool clockMoved = abs(duration_cast<milliseconds>(wallGone - steadyGone)) > kClockMoved;
    const bool due = m_when && system_clock::now() >= system_clock::from_time_t(*m_when);
    if (due || clockMoved) {
        // A copy: the handler arms again, which replaces m_onWake.
        const auto handler = m_onWake;
        if (handler) {
            handler();
            return;
        }
    }
    Step();
}

} // namespace stillmark
