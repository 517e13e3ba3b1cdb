#include "schedule/WeekDays.h"

namespace stillmark {

std::vector<DayToggle> OrderDayToggles(const std::array<std::string, 7>& namesFromSunday, int firstWeekday) {
    const int first = ((firstWeekday % 7) + 7) % 7;
    std::vector<DayToggle> toggles;
    for (int i = 0; i < 7; ++i) {
        const int fromSunday = (first + i) % 7;
        toggles.push_back({(fromSunday + 6) % 7, namesFromSunday[static_cast<std::size_t>(fromSunday)]});
    }
    return toggles;
}

} // namespace stillmark
