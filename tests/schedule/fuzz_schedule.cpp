// libFuzzer harness: any bytes as time texts must neither crash nor produce text outside the two forms.
#include "schedule/DaySchedule.h"
#include "schedule/MomentSchedule.h"
#include "schedule/TimeText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t half = size / 2;
    const std::string_view start = bytes.substr(0, half);
    const std::string_view end = bytes.substr(half);
    const int count = size == 0 ? 1 : data[0] % 45 - 2;

    for (const bool amPm : {false, true}) {
        const std::string text = stillmark::FormatTime(stillmark::ParseTime(bytes), amPm);
        if (text.size() != (amPm ? 8u : 5u)) {
            std::abort();
        }
        (void)stillmark::StepTimeText(start, end, count, amPm);
        (void)stillmark::ComputeMomentTexts(start, end, count, amPm);
    }
    (void)stillmark::SplitHourMinute(stillmark::ParseTime(end));

    // Every moment of the schedule alerts at a minute of the day.
    stillmark::DaySchedule schedule;
    schedule.Rebuild(start, end, count, size % 2 == 1);
    int day = 0;
    for (const stillmark::Moment& moment : schedule.Moments()) {
        ++day; // a new occurrence for each moment
        if (moment.hour < 0 || moment.hour > 23 || moment.minute < 0 || moment.minute > 59 ||
            schedule.Due({2026, 12, day, moment.hour, moment.minute, 0}).empty())
            std::abort();
        (void)schedule.Due({2026, 12, day, moment.hour, moment.minute, 30}); // the minute's alert ends
    }
    return 0;
}
