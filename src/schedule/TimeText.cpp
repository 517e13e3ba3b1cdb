#include "schedule/TimeText.h"

#include "base/LeadingInteger.h"
#include "schedule/Mathematics.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace stillmark {
namespace {

double ParseClockTime(std::string_view text, std::size_t colon) {
    const int hour = LeadingInteger(text.substr(0, colon));
    double hourPart = 0.0;
    if (hour >= 0 && hour <= 23) {
        const std::string_view suffix = text.substr(text.size() - 2);
        int adjusted = hour;
        if (suffix == "am") {
            if (adjusted == 12) {
                adjusted = 0;
            }
        } else if (suffix == "pm") {
            if (adjusted != 12) {
                adjusted += 12;
            }
        }
        hourPart = adjusted;
    }
    const int minute = LeadingInteger(text.substr(colon + 1, 2));
    if (minute < 0 || minute > 59) {
        return 0.0;
    }
    return hourPart + minute / 60.0;
}

// Brings any value into [0, 24). A single add or subtract of 24 is not enough: stepping "23:59 pm" (read as
// 35.98) by "24h" would otherwise show an hour of 35.
double WrapIntoDay(double hours) {
    if (!std::isfinite(hours)) {
        return 0.0;
    }
    double wrapped = std::fmod(hours, 24.0);
    if (wrapped < 0.0) {
        wrapped += 24.0;
    }
    if (wrapped >= 24.0) { // -1e-17 + 24 rounds to 24
        wrapped -= 24.0;
    }
    return wrapped;
}

} // namespace

double ParseTime(std::string_view text) {
    if (text.size() < 2) {
        return 0.0;
    }
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        return ParseClockTime(text, colon);
    }
    if (const std::size_t min = text.find("min"); min != std::string_view::npos) {
        const int minutes = LeadingInteger(text.substr(0, min));
        return (minutes >= 0 && minutes <= 59) ? minutes / 60.0 : 0.0;
    }
    if (const std::size_t h = text.find('h'); h != std::string_view::npos) {
        const int hours = LeadingInteger(text.substr(0, h));
        return (hours >= 0 && hours <= 24) ? static_cast<double>(hours) : 0.0;
    }
    return 0.0;
}

std::string FormatTime(double hours, bool useAmPm) {
    const double t = WrapIntoDay(hours);
    int hour = static_cast<int>(IntegerPart(t));
    int minute = static_cast<int>(RoundToMultiple(FractionalPart(t) * 60.0, 1.0));
    if (minute == 60) {
        minute = 0;
        hour += 1;
        if (hour == 24) {
            hour = 0;
        }
    }

    char buffer[32]; // roomy enough for any two ints, so no truncation is possible
    if (!useAmPm) {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d", hour, minute);
        return buffer;
    }
    const bool afternoon = hour >= 12;
    int shownHour = afternoon ? hour - 12 : hour;
    if (shownHour == 0) {
        shownHour = 12;
    }
    std::snprintf(buffer, sizeof buffer, "%02d:%02d %s", shownHour, minute, afternoon ? "pm" : "am");
    return buffer;
}

std::string StepTimeText(std::string_view timeText, std::string_view incrementText, int step, bool useAmPm) {
    const double time = ParseTime(timeText);
    const double increment = ParseTime(incrementText);
    return FormatTime(step == 0 ? time : step > 0 ? time + increment : time - increment, useAmPm);
}

HourMinute SplitHourMinute(double value) {
    // Every parsed time lies well inside this range; anything else (or NaN) cannot be converted to int
    // safely.
    if (!std::isfinite(value) || std::fabs(value) > 1.0e6) {
        return {0, 0};
    }
    return {static_cast<int>(IntegerPart(value)),
            static_cast<int>(RoundToMultiple(FractionalPart(value) * 60.0, 1.0))};
}

} // namespace stillmark
