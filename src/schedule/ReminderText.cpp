#include "schedule/ReminderText.h"

namespace stillmark {

std::string AlertBalloonText(const std::string& momentText, Translator translate) {
    // TRANSLATORS: the first line of the reminder; %s is the moment's time, such as 12:00 or 12:00 pm.
    const std::string pattern = translate(Translatable("It is %s"));
    std::string timeLine = FillIn(pattern, {momentText});
    // A translation that lost its placeholder still tells the time, after its text.
    if (pattern.find("%s") == std::string::npos && pattern.find("%1$s") == std::string::npos)
        timeLine += " " + momentText;
    // TRANSLATORS: the second line of the reminder, under "It is 12:00".
    return timeLine + "\n" + translate(Translatable("Stillmark time !"));
}

} // namespace stillmark
