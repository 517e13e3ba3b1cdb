#pragma once
// The seven day toggles' labels: the locale's short day names in the locale's week order. No display.
#include <array>
#include <string>
#include <vector>

namespace stillmark {

struct DayToggle {
    int position;      // the day's place in the Days setting: Monday 0 to Sunday 6
    std::string label; // the day's short name
};

// The week from firstWeekday on (0 Sunday to 6 Saturday, as C counts them); names start with Sunday.
std::vector<DayToggle> OrderDayToggles(const std::array<std::string, 7>& namesFromSunday, int firstWeekday);

// The same for the locale of the program's time texts (LC_TIME).
std::vector<DayToggle> LocaleDayToggles();

} // namespace stillmark
