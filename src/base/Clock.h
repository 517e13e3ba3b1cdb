#pragma once
// The local wall clock, behind a seam so tests can tick at chosen times without waiting.
#include <ctime>

namespace stillmark {

// A reading of the local wall clock; -1 in hour, minute and second when the time could not be read.
struct ClockReading {
    int year = 0, month = 0, day = 0;
    int hour = -1, minute = -1, second = -1;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading Now() const = 0;
    // The same instant in seconds since the epoch.
    virtual std::time_t Seconds() const = 0;
};

class SystemClock final : public Clock {
public:
    ClockReading Now() const override;
    std::time_t Seconds() const override { return std::time(nullptr); }
};

} // namespace stillmark
