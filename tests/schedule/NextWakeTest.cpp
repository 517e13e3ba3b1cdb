#include "InZone.h"
#include "schedule/AlertDays.h"
#include "schedule/DaySchedule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace stillmark {
namespace {

using test::InZone;

std::time_t Local(int year, int month, int day, int hour, int minute, int second, int isDst = -1) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = isDst;
    return std::mktime(&local);
}

ClockReading Reading(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

// Sleeps from wake to wake as the reminder does, from `from` until `to`; the alerts given, by minute.
std::vector<std::string> Sleepwalk(DaySchedule& schedule, std::time_t from, std::time_t to) {
    std::vector<std::string> alerts;
    for (std::time_t now = from;;) {
        const std::optional<std::time_t> wake = schedule.NextWake(now);
        if (!wake || *wake >= to)
            return alerts;
        now = std::max(now, *wake); // a wake already due fires at once
        const ClockReading reading = Reading(now);
        for (std::size_t index : schedule.Due(reading))
            alerts.push_back(std::to_string(reading.day) + " " + schedule.Moments()[index].text);
        ++now; // the next look comes after this one
    }
}

TEST(NextWakeTest, SleepsUntilTheNextMomentStillToAlert) {
    const InZone zone("UTC0");
    struct Case {
        const char* name;
        std::time_t now;
        std::optional<std::time_t> wake;
        AlertDayFilter alertsOn = {};
        std::optional<std::time_t> alerted = {}; // a moment that alerted just before
    };
    const LocalDate saturday{2026, 12, 12};
    const Case cases[] = {
        {"before the first", Local(2026, 12, 8, 6, 59, 59), Local(2026, 12, 8, 7, 0, 0)},
        {"in the moment's first seconds", Local(2026, 12, 8, 12, 0, 4), Local(2026, 12, 8, 12, 0, 0)},
        {"after the moment's five seconds", Local(2026, 12, 8, 12, 0, 5), Local(2026, 12, 8, 17, 0, 0)},
        {"after the last: at midnight", Local(2026, 12, 8, 22, 0, 5), Local(2026, 12, 9, 0, 0, 0)},
        {"alerted, still in its seconds",
         Local(2026, 12, 8, 12, 0, 1),
         Local(2026, 12, 8, 17, 0, 0),
         {},
         Local(2026, 12, 8, 12, 0, 0)},
        {"the last alerted: at midnight",
         Local(2026, 12, 8, 22, 0, 0),
         Local(2026, 12, 9, 0, 0, 0),
         {},
         Local(2026, 12, 8, 22, 0, 0)},
        {"past the end of the month", Local(2026, 12, 31, 23, 59, 0), Local(2027, 1, 1, 0, 0, 0)},
        {"a day off is skipped", Local(2026, 12, 11, 22, 30, 0), Local(2026, 12, 13, 7, 0, 0),
         [saturday](const LocalDate& date) { return !(date == saturday); }},
        {"no day alerts", Local(2026, 12, 8, 6, 0, 0), std::nullopt, [](const LocalDate&) { return false; }},
    };
    for (const Case& c : cases) {
        DaySchedule schedule(c.alertsOn);
        schedule.Rebuild("07:00", "22:00", 4, false); // 07:00 12:00 17:00 22:00
        if (c.alerted) {
            EXPECT_EQ(schedule.Due(Reading(*c.alerted)).size(), 1u) << c.name;
        }
        std::optional<std::time_t> wake = schedule.NextWake(c.now);
        // Each midnight is a wake of its own, where the next is looked for again.
        while (wake && c.wake && *wake < *c.wake && Reading(*wake).hour == 0 && Reading(*wake).minute == 0)
            wake = schedule.NextWake(*wake + 1);
        EXPECT_EQ(wake, c.wake) << c.name;
    }
    DaySchedule none;
    EXPECT_EQ(none.NextWake(Local(2026, 12, 8, 6, 0, 0)), std::nullopt);
}

TEST(NextWakeTest, AlertsEachMomentOnceAndNeverLate) {
    const InZone zone("UTC0");
    DaySchedule schedule;
    schedule.Rebuild("09:00", "13:00", 5, false); // 09:00 10:00 11:00 12:00 13:00
    // Awake all day: each moment once. Asleep from 08:59 to 12:30: no burst on waking, then the rest.
    EXPECT_EQ(Sleepwalk(schedule, Local(2026, 12, 8, 8, 0, 0), Local(2026, 12, 9, 0, 0, 0)),
              (std::vector<std::string>{"8 09:00", "8 10:00", "8 11:00", "8 12:00", "8 13:00"}));
    EXPECT_EQ(Sleepwalk(schedule, Local(2026, 12, 9, 12, 30, 7), Local(2026, 12, 10, 0, 0, 0)),
              (std::vector<std::string>{"9 13:00"}));
    // The clock set back over the first day's moments: none again.
    EXPECT_TRUE(Sleepwalk(schedule, Local(2026, 12, 8, 8, 0, 0), Local(2026, 12, 9, 0, 0, 0)).empty());
}

TEST(NextWakeTest, AnOvernightWindowsMomentsAfterMidnightAreTheDayItStarted) {
    const InZone zone("UTC0");
    // 2026-12-08 is a Tuesday; the window 22:00 to 02:00 lists 22:00 23:00 00:00 01:00 02:00.
    const std::vector<std::string> tuesday = {"8 22:00", "8 23:00", "9 00:00", "9 01:00", "9 02:00"};
    const std::vector<std::string> wednesday = {"9 22:00", "9 23:00", "10 00:00", "10 01:00", "10 02:00"};
    std::vector<std::string> both = tuesday;
    both.insert(both.end(), wednesday.begin(), wednesday.end());
    const struct {
        const char* days;
        const char* pausedOn;
        std::vector<std::string> alerts;
    } cases[] = {
        {kEveryDay, "", both},
        {"1011111", "", wednesday}, // Tuesday off: its night too
        {"1101111", "", tuesday},   // Wednesday off: Tuesday's night still alerts
        {kEveryDay, "2026-12-08", wednesday},
        {kEveryDay, "2026-12-09", tuesday},
    };
    for (const auto& c : cases) {
        DaySchedule schedule([&](const LocalDate& date) {
            return DateAlerts(c.days, c.pausedOn, date.year, date.month, date.day);
        });
        schedule.Rebuild("22:00", "02:00", 5, false);
        EXPECT_EQ(Sleepwalk(schedule, Local(2026, 12, 8, 12, 0, 0), Local(2026, 12, 10, 12, 0, 0)), c.alerts)
            << c.days << " " << c.pausedOn;
    }
}

TEST(NextWakeTest, DaylightSavingDays) {
    // A zone in the form every C runtime reads (Windows' takes no zone names, and only the US rules).
    const InZone zone("EST5EDT");
    struct Case {
        const char* name;
        int month, day;
        std::vector<std::string> alerts;
    };
    for (const Case& c : {Case{"spring forward skips 02:30", 3, 14, {"14 01:30", "14 03:30"}},
                          Case{"autumn repeats 01:30: once", 11, 7, {"7 01:30", "7 02:30", "7 03:30"}},
                          Case{"an ordinary day", 6, 15, {"15 01:30", "15 02:30", "15 03:30"}}}) {
        DaySchedule schedule;
        schedule.Rebuild("01:30", "03:30", 3, false);
        EXPECT_EQ(
            Sleepwalk(schedule, Local(2027, c.month, c.day, 0, 0, 0), Local(2027, c.month, c.day, 23, 0, 0)),
            c.alerts)
            << c.name;
    }
}

} // namespace
} // namespace stillmark
