#include "schedule/WeekDays.h"

#include <cstdint>
#include <langinfo.h>

// glibc's names and week order; the Windows build has its own in src/platform/windows.
namespace stillmark {

std::vector<DayToggle> LocaleDayToggles() {
    const nl_item names[] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};
    std::array<std::string, 7> namesFromSunday;
    for (std::size_t i = 0; i < namesFromSunday.size(); ++i)
        namesFromSunday[i] = nl_langinfo(names[i]);
    // glibc counts the first weekday from the day its week definition starts on: a Sunday (19971130)
    // or a Monday (19971201); 1 is that day itself.
    const int firstFromOrigin = nl_langinfo(_NL_TIME_FIRST_WEEKDAY)[0];
    const auto origin =
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(nl_langinfo(_NL_TIME_WEEK_1STDAY)));
    const int originFromSunday = origin == 19971201u ? 1 : 0;
    return OrderDayToggles(namesFromSunday, originFromSunday + firstFromOrigin - 1);
}

} // namespace stillmark
