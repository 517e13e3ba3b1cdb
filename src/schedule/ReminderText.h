#pragma once
// What an alert says and how the reminder's one-second tick keeps its pace.
#include <optional>
#include <string>

namespace stillmark {

inline constexpr int kReminderPeriodMs = 1000;
inline constexpr const char* kAlertTitle = "Stillmark";
inline constexpr const char* kAlertTip = "Stillmark, your daily break !";

std::string AlertBalloonText(const std::string& momentText);

// The tick keeps to the start of each wall-clock second, so a moment alerts just after its
// minute begins rather than up to a second later. Given how far into its second a tick came,
// returns the delay of a one-off tick that brings the next one back to just after a second
// starts, or nothing while the ticks are on time.
std::optional<int> RealignDelayMs(int millisecondsIntoSecond);

} // namespace stillmark
