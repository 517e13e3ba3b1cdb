#pragma once
// What an alert says and how the reminder's one-second tick keeps its pace.
#include "schedule/Translatable.h"

#include <optional>
#include <string>

namespace stillmark {

inline constexpr int kReminderPeriodMs = 1000;
inline constexpr const char* kAlertTitle = "Stillmark";
inline constexpr const char* kAlertTip = Translatable("Stillmark, your daily break !");
inline constexpr int kAlertTimeoutSeconds = 3;

// "It is 12:00", a line break, "Stillmark time !": the moment's text stays as the Am-Pm setting
// wrote it, the words around it come through translate.
std::string AlertBalloonText(const std::string& momentText, Translator translate = AsWritten);

// The tick keeps to the start of each wall-clock second, so a moment alerts just after its
// minute begins rather than up to a second later. Given how far into its second a tick came,
// returns the delay of a one-off tick that brings the next one back to just after a second
// starts, or nothing while the ticks are on time.
std::optional<int> RealignDelayMs(int millisecondsIntoSecond);

} // namespace stillmark
