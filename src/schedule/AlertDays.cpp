#include "schedule/AlertDays.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace stillmark {

std::array<bool, 7> ReadDays(std::string_view daysText) {
    std::array<bool, 7> days{};
    days.fill(true);
    if (daysText.size() != days.size() || daysText.find_first_not_of("01") != std::string_view::npos)
        return days;
    for (std::size_t i = 0; i < days.size(); ++i)
        days[i] = daysText[i] == '1';
    return days;
}

std::string DaysText(const std::array<bool, 7>& days) {
    std::string text;
    for (bool on : days)
        text += on ? '1' : '0';
    return text;
}

std::string DateText(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

int WeekdayIndex(int year, int month, int day) {
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    if (month < 1 || day < 1 || !date.ok())
        return -1;
    return static_cast<int>(weekday(sys_days(date)).iso_encoding()) - 1;
}

bool DateAlerts(std::string_view daysText, std::string_view pausedOn, int year, int month, int day) {
    const int weekday = WeekdayIndex(year, month, day);
    if (weekday < 0)
        return true;
    if (!pausedOn.empty() && pausedOn == DateText(year, month, day))
        return false;
    return ReadDays(daysText)[static_cast<std::size_t>(weekday)];
}

std::string QuietHint(std::string_view daysText, bool pausedToday, Translator translate) {
    const std::array<bool, 7> days = ReadDays(daysText);
    if (std::find(days.begin(), days.end(), true) == days.end())
        // TRANSLATORS: under the list of the day's moments, when every day toggle is off.
        return translate(Translatable("No Stillmark on any day"));
    if (pausedToday)
        // TRANSLATORS: under the list of the day's moments, after "Pause for today" in the icon's menu.
        return translate(Translatable("Paused for today"));
    return {};
}

} // namespace stillmark
