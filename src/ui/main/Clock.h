#pragma once
// The local wall clock, behind a seam so tests can tick at chosen times without waiting.
namespace stillmark {

struct LocalClockTime {
    int hour = -1; // 0..23, -1 when the time could not be read
    int minute = -1;
    int second = -1;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual LocalClockTime Now() const = 0;
};

class SystemClock final : public IClock {
public:
    LocalClockTime Now() const override;
};

} // namespace stillmark
