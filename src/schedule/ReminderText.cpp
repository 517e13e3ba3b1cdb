#include "schedule/ReminderText.h"

namespace stillmark {

std::string AlertBalloonText(const std::string& momentText, Translator translate) {
    // TRANSLATORS: the first line of the reminder; %s is the moment's time, such as 12:00 or 12:00 pm.
    std::string timeLine = translate(Translatable("It is %s"));
    // The time goes in by hand: a translation never reaches a printf-style formatter.
    if (const auto at = timeLine.find("%s"); at != std::string::npos)
        timeLine.replace(at, 2, momentText);
    else
        timeLine += " " + momentText;
    // TRANSLATORS: the second line of the reminder, under "It is 12:00".
    return timeLine + "\n" + translate(Translatable("Stillmark time !"));
}

std::optional<int> RealignDelayMs(int millisecondsIntoSecond) {
    constexpr int kLate = 150;  // later than this into the second: realign
    constexpr int kMargin = 20; // aim a little after the second starts, never just before it
    if (millisecondsIntoSecond < 0 || millisecondsIntoSecond >= 1000 || millisecondsIntoSecond < kLate)
        return std::nullopt;
    return 1000 - millisecondsIntoSecond + kMargin;
}

} // namespace stillmark
