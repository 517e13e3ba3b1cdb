#include "schedule/WorkingDay.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(WorkingDayTest, AnOvernightWindowKeepsItsDayToTheEndOfItsLastMinute) {
    const struct {
        const char *start, *end;
        ClockReading now;
        LocalDate day;
        int secondsToNext;
    } cases[] = {
        {"22:00", "02:00", {2026, 12, 8, 23, 30, 0}, {2026, 12, 8}, 1800}, // pressed at 23:30: until midnight
        {"22:00", "02:00", {2026, 12, 9, 1, 0, 0}, {2026, 12, 8}, 3660},   // ... and on to 02:01
        {"22:00", "02:00", {2026, 12, 9, 2, 0, 30}, {2026, 12, 8}, 30},
        {"22:00", "02:00", {2026, 12, 9, 2, 1, 0}, {2026, 12, 9}, 79140},
        {"22:00", "00:00", {2026, 12, 9, 0, 0, 10}, {2026, 12, 8}, 50},
        {"10:00 pm", "02:00 am", {2027, 1, 1, 0, 30, 0}, {2026, 12, 31}, 5460},
        {"22:00", "02:00", {2028, 3, 1, 1, 0, 0}, {2028, 2, 29}, 3660},
        {"07:00", "22:00", {2026, 12, 9, 1, 0, 0}, {2026, 12, 9}, 82800}, // within its day
        {"22:00", "22:00", {2026, 12, 9, 1, 0, 0}, {2026, 12, 9}, 82800},
        {"22:00", "25:00", {2026, 12, 9, 1, 0, 0}, {2026, 12, 9}, 82800}, // unreadable: the calendar
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WorkingDay(c.now, c.start, c.end), c.day) << c.start << "-" << c.end << " " << c.now.hour;
        EXPECT_EQ(SecondsToNextWorkingDay(c.now, c.start, c.end), c.secondsToNext)
            << c.start << "-" << c.end << " " << c.now.hour;
    }
}

} // namespace
} // namespace stillmark
