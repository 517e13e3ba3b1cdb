#pragma once
// The day a clock reading works for: a window that crosses midnight (22:00 to 02:00) runs on into the
// next date, and there its moments, its day toggle and its pause are still the day's it started on.
#include "base/Clock.h"
#include "schedule/LocalTime.h"

#include <string_view>

namespace stillmark {

// The reading's date, or the day before while an overnight window runs on past midnight (to the end of
// its last minute). The window's times as the settings write them; unreadable ones cross no midnight.
LocalDate WorkingDay(const ClockReading& now, std::string_view startText, std::string_view endText);

// Seconds from the reading until WorkingDay next changes: the end of an overnight window's last minute
// or midnight, whichever comes first.
int SecondsToNextWorkingDay(const ClockReading& now, std::string_view startText, std::string_view endText);

} // namespace stillmark
