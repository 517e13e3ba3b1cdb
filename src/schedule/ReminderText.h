#pragma once
// What an alert says.
#include <string>

namespace stillmark {

inline constexpr const char* kAlertTitle = "Stillmark";
inline constexpr const char* kAlertTip = "Stillmark, your daily break !";

std::string AlertBalloonText(const std::string& momentText);

} // namespace stillmark
