#include "schedule/AlertDays.h"
#include "schedule/WeekDays.h"

#include <clocale>
#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(AlertDaysTest, DatesAlertOnTheDaysSetAndNotOnThePausedDate) {
    // 2026-12-07 is a Monday, 2026-12-13 a Sunday.
    const struct {
        const char* days;
        const char* pausedOn;
        int year, month, day;
        bool alerts;
    } cases[] = {
        {"1111111", "", 2026, 12, 13, true},
        {"1111100", "", 2026, 12, 11, true},           // Friday
        {"1111100", "", 2026, 12, 12, false},          // Saturday
        {"1111100", "", 2026, 12, 13, false},          // Sunday
        {"0111111", "", 2026, 12, 7, false},           // Monday is the first character
        {"1111110", "", 2024, 2, 29, true},            // a leap day, Thursday
        {"1111100", "", 2027, 1, 2, false},            // Saturday after the turn of the year
        {"111110", "", 2026, 12, 13, true},            // too short: every day
        {"11111000", "", 2026, 12, 13, true},          // too long: every day
        {"11111x0", "", 2026, 12, 13, true},           // not a day: every day
        {"", "", 2026, 12, 13, true},                  // empty: every day
        {"1111111", "2026-12-08", 2026, 12, 8, false}, // paused today
        {"1111111", "2026-12-08", 2026, 12, 9, true},  // the pause ran out by itself
        {"1111111", "2026-12-09", 2026, 12, 8, true},  // a pause set for another day
        {"1111111", "2026-1-8", 2026, 1, 8, true},     // not the stored form: no pause
        {"1111111", "2026-01-08", 2026, 1, 8, false},
        {"0000000", "", 2026, 12, 8, false}, // no day at all
        {"0000000", "", 2026, 2, 30, true},  // no such date: alerts as before
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateAlerts(c.days, c.pausedOn, c.year, c.month, c.day), c.alerts)
            << c.days << " " << c.pausedOn << " " << DateText(c.year, c.month, c.day);
}

TEST(AlertDaysTest, TogglesFollowTheLocalesWeekAndKeepTheirDay) {
    const std::array<std::string, 7> names = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    const struct {
        int firstWeekday;
        std::vector<int> positions;
        std::string labels;
    } cases[] = {
        {0, {6, 0, 1, 2, 3, 4, 5}, "SuMoTuWeThFrSa"},
        {1, {0, 1, 2, 3, 4, 5, 6}, "MoTuWeThFrSaSu"},
        {6, {5, 6, 0, 1, 2, 3, 4}, "SaSuMoTuWeThFr"},
        {8, {0, 1, 2, 3, 4, 5, 6}, "MoTuWeThFrSaSu"}, // counted round the week
    };
    for (const auto& c : cases) {
        std::vector<int> positions;
        std::string labels;
        for (const DayToggle& toggle : OrderDayToggles(names, c.firstWeekday)) {
            positions.push_back(toggle.position);
            labels += toggle.label;
        }
        EXPECT_EQ(positions, c.positions) << c.firstWeekday;
        EXPECT_EQ(labels, c.labels) << c.firstWeekday;
    }
}

TEST(AlertDaysTest, TheLocaleGivesItsFirstWeekdayAndNames) {
    const struct {
        const char* locale;
        std::string first, second;
        int firstPosition;
    } cases[] = {
        {"C", "Sun", "Mon", 6},
        {"de_DE.UTF-8", "Mo", "Di", 0},
        {"en_GB.UTF-8", "Mon", "Tue", 0},
    };
    const std::string before = std::setlocale(LC_TIME, nullptr);
    for (const auto& c : cases) {
        if (std::setlocale(LC_TIME, c.locale) == nullptr)
            continue; // not installed here
        const std::vector<DayToggle> toggles = LocaleDayToggles();
        ASSERT_EQ(toggles.size(), 7u);
        EXPECT_EQ(toggles[0].label, c.first) << c.locale;
        EXPECT_EQ(toggles[1].label, c.second) << c.locale;
        EXPECT_EQ(toggles[0].position, c.firstPosition) << c.locale;
    }
    std::setlocale(LC_TIME, before.c_str());
}

} // namespace
} // namespace stillmark
