#pragma once
// The reminder's decisions, free of any window: when a tick is armed, which listed
// moments match the clock, and the texts of the alert.
#include "ui/main/Clock.h"

#include <optional>
#include <string>
#include <vector>

namespace stillmark {

inline constexpr int kReminderTimerId = 116;
inline constexpr int kReminderPeriodMs = 1000;
inline constexpr const char* kAlertTitle = "Stillmark";
inline constexpr const char* kAlertTip = "Stillmark, your daily break !";
inline constexpr int kAlertTimeoutSeconds = 3;

// Updates the once-per-minute flag for a tick and tells whether the tick is armed:
// seconds 0 to 4 arm it while no alert was given; second 5 or later clears the flag.
bool ArmReminderTick(const LocalClockTime& now, bool& alerted);

// Indexes of the listed moments, among the first `count` items, whose hour and minute
// equal the clock's, in list order.
std::vector<std::size_t> MatchingMoments(const std::vector<std::string>& items, int count,
                                         const LocalClockTime& now);

std::string AlertBalloonText(const std::string& itemText);

// The tick keeps to the start of each wall-clock second, so a moment alerts just after its
// minute begins rather than up to a second later. Given how far into its second a tick came,
// returns the delay of a one-off tick that brings the next one back to just after a second
// starts, or nothing while the ticks are on time.
std::optional<int> RealignDelayMs(int millisecondsIntoSecond);

} // namespace stillmark
