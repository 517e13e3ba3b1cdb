#include "schedule/LocalTime.h"

#include <algorithm>
#include <chrono>

namespace stillmark {

ClockReading ReadingAt(std::time_t when) {
    std::tm local{};
    if (!localtime_r(&when, &local))
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

LocalDate LocalDateAfter(std::time_t now, int days) {
    std::tm local{};
    if (!localtime_r(&now, &local))
        return {};
    // Noon, so that mktime's normalisation of the day never lands on a skipped or repeated hour.
    local.tm_mday += days;
    local.tm_hour = 12;
    local.tm_min = local.tm_sec = 0;
    local.tm_isdst = -1;
    if (std::mktime(&local) == static_cast<std::time_t>(-1))
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

LocalDate DayBefore(const LocalDate& date) {
    using namespace std::chrono;
    const year_month_day ymd{year(date.year), month(static_cast<unsigned>(date.month)),
                             day(static_cast<unsigned>(date.day))};
    if (date.month < 1 || date.day < 1 || !ymd.ok())
        return date;
    const year_month_day before{sys_days(ymd) - days(1)};
    return {static_cast<int>(before.year()), static_cast<int>(static_cast<unsigned>(before.month())),
            static_cast<int>(static_cast<unsigned>(before.day()))};
}

std::vector<std::time_t> LocalMinuteStarts(const LocalDate& date, int hour, int minute) {
    std::vector<std::time_t> starts;
    // Asked once as standard and once as summer time: each answer that reads back as the same
    // wall-clock minute is one occurrence of it.
    for (const int isDst : {0, 1}) {
        std::tm wanted{};
        wanted.tm_year = date.year - 1900;
        wanted.tm_mon = date.month - 1;
        wanted.tm_mday = date.day;
        wanted.tm_hour = hour;
        wanted.tm_min = minute;
        wanted.tm_isdst = isDst;
        const std::time_t start = std::mktime(&wanted);
        std::tm back{};
        if (start == static_cast<std::time_t>(-1) || !localtime_r(&start, &back))
            continue;
        if (back.tm_year + 1900 == date.year && back.tm_mon + 1 == date.month && back.tm_mday == date.day &&
            back.tm_hour == hour && back.tm_min == minute &&
            std::find(starts.begin(), starts.end(), start) == starts.end())
            starts.push_back(start);
    }
    std::sort(starts.begin(), starts.end());
    return starts;
}

} // namespace stillmark
