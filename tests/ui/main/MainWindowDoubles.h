#pragma once
// Doubles for the main window's services: a settable clock, and the shared recording ones.
#include "RecordingDoubles.h"
#include "schedule/Clock.h"

namespace stillmark::test {

class FakeClock final : public Clock {
public:
    explicit FakeClock(ClockReading& now) : m_now(now) {}
    ClockReading Now() const override { return m_now; }

private:
    ClockReading& m_now;
};

} // namespace stillmark::test
