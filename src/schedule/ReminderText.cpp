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

} // namespace stillmark
