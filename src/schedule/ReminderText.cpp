#include "schedule/ReminderText.h"

namespace stillmark {

std::string AlertBalloonText(const std::string& momentText) {
    return "It is " + momentText + "\n" + "Stillmark time !";
}

} // namespace stillmark
