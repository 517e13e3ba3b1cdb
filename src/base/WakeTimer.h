#pragma once
// The one timer the reminder sleeps on, behind a seam so tests decide when it fires.
#include <ctime>
#include <functional>
#include <optional>

namespace stillmark {

class WakeTimer {
public:
    virtual ~WakeTimer() = default;

    // Calls onWake when the wall clock reaches `when` (at once if it has passed; never without a time),
    // and also whenever the wall clock may have moved under the timer: set by hand or by time
    // synchronisation, a resume from sleep, a new time zone. Replaces the previous arming.
    virtual void Arm(std::optional<std::time_t> when, std::function<void()> onWake) = 0;
    virtual void Disarm() = 0;
};

} // namespace stillmark
