#include "schedule/WorkingDay.h"

#include "schedule/MomentSchedule.h"
#include "schedule/TimeText.h"

namespace stillmark {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

bool IsInDay(double hours) {
    return hours >= 0.0 && hours < 24.0;
}

// Minutes after midnight during which the day before's window still runs; 0 for a window within its day.
int OvernightMinutes(std::string_view startText, std::string_view endText) {
    const double start = ParseTime(startText);
    const double end = ParseTime(endText);
    if (!IsInDay(start) || !IsInDay(end) || start <= end)
        return 0;
    return ListedMinutes(end) + 1;
}

} // namespace

LocalDate WorkingDay(const ClockReading& now, std::string_view startText, std::string_view endText) {
    const LocalDate date{now.year, now.month, now.day};
    if (now.hour < 0 || now.minute < 0)
        return date;
    return now.hour * 60 + now.minute < OvernightMinutes(startText, endText) ? DayBefore(date) : date;
}

int SecondsToNextWorkingDay(const ClockReading& now, std::string_view startText, std::string_view endText) {
    const int secondsToday = now.hour < 0 ? 0 : now.hour * 3600 + now.minute * 60 + now.second;
    const int windowEnds = OvernightMinutes(startText, endText) * 60;
    return secondsToday < windowEnds ? windowEnds - secondsToday : kMinutesPerDay * 60 - secondsToday;
}

} // namespace stillmark
