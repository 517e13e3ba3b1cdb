#include "ui/main/ReminderRules.h"

#include "schedule/TimeText.h"

#include <algorithm>

namespace stillmark {

bool ArmReminderTick(const LocalClockTime& now, bool& alerted) {
    if (now.second >= 5) {
        alerted = false;
        return false;
    }
    return !alerted;
}

std::vector<std::size_t> MatchingMoments(const std::vector<std::string>& items, int count,
                                         const LocalClockTime& now) {
    std::vector<std::size_t> matches;
    if (now.hour < 0 || now.minute < 0)
        return matches;
    const std::size_t walk = std::min(items.size(), static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < walk; ++i) {
        const HourMinute hm = SplitHourMinute(ParseTime(items[i]));
        if (hm.hour == now.hour && hm.minute == now.minute)
            matches.push_back(i);
    }
    return matches;
}

std::string AlertBalloonText(const std::string& itemText) {
    return "It is " + itemText + "\n" + "Stillmark time !";
}

} // namespace stillmark

namespace stillmark {

std::optional<int> RealignDelayMs(int millisecondsIntoSecond) {
    constexpr int kLate = 150;  // later than this into the second: realign
    constexpr int kMargin = 20; // aim a little after the second starts, never just before it
    if (millisecondsIntoSecond < 0 || millisecondsIntoSecond >= 1000 || millisecondsIntoSecond < kLate)
        return std::nullopt;
    return 1000 - millisecondsIntoSecond + kMargin;
}

} // namespace stillmark
