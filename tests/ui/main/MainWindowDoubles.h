#pragma once
// Doubles for the main window's services: a settable clock, a timer that only records its arming, and
// the shared recording ones.
#include "RecordingDoubles.h"
#include "base/Clock.h"
#include "base/WakeTimer.h"
#include "ui/main/DesktopActivity.h"

#include <functional>
#include <optional>

namespace stillmark::test {

class FakeClock final : public Clock {
public:
    explicit FakeClock(ClockReading& now) : m_now(now) {}
    ClockReading Now() const override { return m_now; }
    std::time_t Seconds() const override {
        std::tm local{};
        local.tm_year = m_now.year - 1900;
        local.tm_mon = m_now.month - 1;
        local.tm_mday = m_now.day;
        local.tm_hour = m_now.hour;
        local.tm_min = m_now.minute;
        local.tm_sec = m_now.second;
        local.tm_isdst = -1;
        return std::mktime(&local);
    }

private:
    ClockReading& m_now;
};

// Fires only when a test calls the reminder's Tick; keeps the last arming.
class RecordingWakeTimer final : public WakeTimer {
public:
    void Arm(std::optional<std::time_t> when, std::function<void()>) override { armedFor = when; }
    void Disarm() override { armedFor.reset(); }

    std::optional<std::time_t> armedFor;
};

// A desktop whose state a test sets.
class SetDesktop final : public DesktopActivity {
public:
    DesktopState Now() override { return state; }
    DesktopState state;
};

} // namespace stillmark::test
