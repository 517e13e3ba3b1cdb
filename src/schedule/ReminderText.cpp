#include "schedule/ReminderText.h"

namespace stillmark {

std::string AlertBalloonText(const std::string& momentText) {
    return "It is " + momentText + "\n" + "Stillmark time !";
}

std::optional<int> RealignDelayMs(int millisecondsIntoSecond) {
    constexpr int kLate = 150;  // later than this into the second: realign
    constexpr int kMargin = 20; // aim a little after the second starts, never just before it
    if (millisecondsIntoSecond < 0 || millisecondsIntoSecond >= 1000 || millisecondsIntoSecond < kLate)
        return std::nullopt;
    return 1000 - millisecondsIntoSecond + kMargin;
}

} // namespace stillmark
