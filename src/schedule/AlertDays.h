#pragma once
// Which local dates alert: the working days of the week and a pause for one day. No display.
#include "base/Translatable.h"

#include <array>
#include <string>
#include <string_view>

namespace stillmark {

// Seven characters '1' (alerts) or '0', Monday first.
inline constexpr const char* kEveryDay = "1111111";

// The days a text sets, Monday first; a text that is not seven '1'/'0' characters counts as every day.
std::array<bool, 7> ReadDays(std::string_view daysText);
std::string DaysText(const std::array<bool, 7>& days);

// A local date written as the pause stores it: YYYY-MM-DD.
std::string DateText(int year, int month, int day);

// Monday 0 to Sunday 6; -1 for a date that does not exist.
int WeekdayIndex(int year, int month, int day);

// A date alerts when its weekday is one of the days and the pause is not on that very date (a pause of
// an earlier day has run out by itself). A date that cannot be read alerts.
bool DateAlerts(std::string_view daysText, std::string_view pausedOn, int year, int month, int day);

// What the window says where no reminder will come: every day off (the more lasting reason), or the
// working day paused. Empty while reminders come.
std::string QuietHint(std::string_view daysText, bool pausedToday, Translator translate = AsWritten);

} // namespace stillmark
