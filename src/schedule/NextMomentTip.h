#pragma once
// The icon's tip: when the next moment comes, so nobody has to open the window to know.
#include "base/Translatable.h"
#include "schedule/DaySchedule.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stillmark {

// How today stands for reminders.
enum class TipDay { Alerts, DayOff, Paused };

// "Next Stillmark at 14:30" for the earliest moment (or snooze, when given) in a minute after now's,
// "No more Stillmarks today" after the last one, "No Stillmark today" on a day off or without moments,
// "Paused for today" while paused. A moment's time reads as the list writes it.
std::string NextMomentTip(const std::vector<Moment>& moments, const ClockReading& now, TipDay day,
                          const Moment* snooze = nullptr, Translator translate = AsWritten);

// The tip at an instant, from the settings that decide it: the days, the pause, a snooze still to come.
std::string IconTip(const std::vector<Moment>& moments, std::time_t now, std::string_view alertDays,
                    std::string_view pausedOn, std::optional<std::time_t> snoozeAt, bool useAmPm,
                    Translator translate = AsWritten);

} // namespace stillmark
