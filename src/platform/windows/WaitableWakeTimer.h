#pragma once
// The wake timer on an absolute waitable timer: it fires when the wall clock reaches the moment, also
// after the clock was set or the machine slept. A thread of its own waits on it and posts the wake to a
// message-only window of the main thread, which wakes the main loop from its wait at once. What may move the
// moment itself (a new time zone, a clock set by hand, a resume) is told by the program's SystemEvents
// through ClockMayHaveMoved.
#include "base/WakeTimer.h"
#include "platform/windows/HiddenWindow.h"

#include <atomic>
#include <memory>
#include <thread>

namespace stillmark {

class WaitableWakeTimer final : public WakeTimer {
public:
    WaitableWakeTimer();
    ~WaitableWakeTimer() override;
    WaitableWakeTimer(const WaitableWakeTimer&) = delete;
    WaitableWakeTimer& operator=(const WaitableWakeTimer&) = delete;

    void Arm(std::optional<std::time_t> when, std::function<void()> onWake) override;
    void Disarm() override;

    // Wakes the armed handler now, which reads the clock again.
    void ClockMayHaveMoved();

private:
    void SetTimer();
    void Wait();
    void OnFired(unsigned arming);

    // Closes a kernel handle.
    struct HandleCloser {
        void operator()(void* handle) const;
    };
    using Handle = std::unique_ptr<void, HandleCloser>;

    Handle m_timer;
    Handle m_stop;
    // Receives the waiting thread's wakes; kept until the thread has ended.
    HiddenWindow m_window;
    std::optional<std::time_t> m_when;
    std::function<void()> m_onWake;
    // Which arming a firing belongs to: one that was replaced meanwhile is not a wake.
    std::atomic<unsigned> m_arming{0};
    std::thread m_waiter;
};

} // namespace stillmark
