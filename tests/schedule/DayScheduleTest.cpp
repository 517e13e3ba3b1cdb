#include "schedule/DaySchedule.h"

#include "schedule/MomentSchedule.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace stillmark {
namespace {

using Alerts = std::vector<std::vector<std::size_t>>; // the indexes alerted at each tick

ClockReading At(int hour, int minute, int second, int day = 8) {
    return {2026, 12, day, hour, minute, second};
}

DaySchedule Schedule(const char* start, const char* end, int count, bool useAmPm = false) {
    DaySchedule schedule;
    schedule.Rebuild(start, end, count, useAmPm);
    return schedule;
}

Alerts RunTicks(DaySchedule& schedule, const std::vector<ClockReading>& ticks) {
    Alerts result;
    for (const ClockReading& now : ticks)
        result.push_back(schedule.Due(now));
    return result;
}

std::size_t Total(const Alerts& alerts) {
    std::size_t n = 0;
    for (const auto& tick : alerts)
        n += tick.size();
    return n;
}

// Every second from one minute of the day to another, inclusive, on the 8th (minutes past 24 h on the 9th).
std::vector<ClockReading> EverySecond(int fromMinute, int toMinute) {
    std::vector<ClockReading> ticks;
    for (int m = fromMinute; m <= toMinute; ++m)
        for (int s = 0; s < 60; ++s)
            ticks.push_back(At(m / 60 % 24, m % 60, s, 8 + m / (24 * 60)));
    return ticks;
}

TEST(DayScheduleTest, MomentsAreTheListedTextsAndWhatTheyReadBackAs) {
    const DaySchedule schedule = Schedule("07:00", "22:00", 9, true);
    const std::vector<std::string> texts = ComputeMomentTexts("07:00", "22:00", 9, true);
    ASSERT_EQ(schedule.Moments().size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(schedule.Moments()[i].text, texts[i]);
    EXPECT_DOUBLE_EQ(schedule.Moments()[1].hours, 7.0 + 15.0 / 8);
    EXPECT_EQ(std::pair(schedule.Moments()[3].hour, schedule.Moments()[3].minute), std::pair(12, 38));
    EXPECT_TRUE(Schedule("07:00", "22:00", 41).Moments().empty());
}

TEST(DayScheduleTest, AlertsOnceInTheFirstFiveSecondsOfTheMinute) {
    DaySchedule schedule = Schedule("07:00", "22:00", 4); // 07:00 12:00 17:00 22:00
    const Alerts alerts = RunTicks(schedule, EverySecond(12 * 60, 12 * 60));
    EXPECT_EQ(alerts[0], std::vector<std::size_t>{1});
    EXPECT_EQ(Total(alerts), 1u);
}

TEST(DayScheduleTest, FirstTickDecidesWhetherTheMomentIsCaught) {
    for (const auto& [firstSecond, expected] :
         std::vector<std::pair<int, std::size_t>>{{0, 1}, {3, 1}, {4, 1}, {5, 0}, {30, 0}}) {
        DaySchedule schedule = Schedule("12:00", "22:00", 1);
        std::vector<ClockReading> ticks;
        for (int s = firstSecond; s < 60; ++s)
            ticks.push_back(At(12, 0, s));
        EXPECT_EQ(Total(RunTicks(schedule, ticks)), expected) << "first tick at second " << firstSecond;
    }
}

TEST(DayScheduleTest, EqualMomentsAlertTogetherInListOrder) {
    DaySchedule schedule = Schedule("07:00", "07:00", 3);
    const Alerts alerts = RunTicks(schedule, {At(7, 0, 1), At(7, 0, 2)});
    EXPECT_EQ(alerts[0], (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(alerts[1].empty());
}

TEST(DayScheduleTest, EachMomentAlertsInItsOwnMinute) {
    // A moment read back a minute off would still give one alert per moment: check which and when.
    struct Case {
        const char* start;
        const char* end;
        int count;
        bool useAmPm;
        int firstMinute;
    };
    for (const Case c :
         {Case{"08:58", "09:03", 6, false, 8 * 60 + 58}, Case{"11:58", "12:03", 6, true, 11 * 60 + 58},
          Case{"23:58", "00:03", 6, true, 23 * 60 + 58}, Case{"09:55", "10:00", 6, false, 9 * 60 + 55}}) {
        DaySchedule schedule = Schedule(c.start, c.end, c.count, c.useAmPm);
        const std::vector<ClockReading> ticks = EverySecond(c.firstMinute - 1, c.firstMinute + c.count);
        const Alerts alerts = RunTicks(schedule, ticks);
        std::vector<std::pair<std::string, std::size_t>> given, expected;
        for (std::size_t t = 0; t < ticks.size(); ++t) {
            for (std::size_t index : alerts[t]) {
                char when[16];
                std::snprintf(when, sizeof when, "%02d:%02d:%02d", ticks[t].hour, ticks[t].minute,
                              ticks[t].second);
                given.emplace_back(when, index);
            }
        }
        for (int i = 0; i < c.count; ++i) {
            char when[16];
            const int minute = (c.firstMinute + i) % (24 * 60);
            std::snprintf(when, sizeof when, "%02d:%02d:00", minute / 60, minute % 60);
            expected.emplace_back(when, static_cast<std::size_t>(i));
        }
        EXPECT_EQ(given, expected) << c.start << " to " << c.end << (c.useAmPm ? " am/pm" : "");
    }
}

TEST(DayScheduleTest, ReadsTheClockInTwentyFourHours) {
    struct Case {
        const char* start;
        ClockReading now;
        std::size_t expectedAlerts;
    };
    for (const Case c : {Case{"01:30 pm", At(13, 30, 0), 1}, Case{"01:30 pm", At(1, 30, 0), 0},
                         Case{"12:00 am", At(0, 0, 0), 1}, Case{"12:00 am", At(12, 0, 0), 0},
                         Case{"12:00 pm", At(12, 0, 0), 1}, Case{"07:00", ClockReading{}, 0}}) {
        for (const bool useAmPm : {false, true}) {
            DaySchedule schedule = Schedule(c.start, c.start, 1, useAmPm);
            EXPECT_EQ(schedule.Due(c.now).size(), c.expectedAlerts) << c.start << " at " << c.now.hour;
        }
    }
}

TEST(DayScheduleTest, ASteppedClockNeverRepeatsAnAlert) {
    struct Case {
        const char* name;
        std::vector<ClockReading> ticks;
        std::size_t expectedAlerts;
    };
    const Case cases[] = {
        {"back by seconds",
         {At(10, 0, 2), At(10, 0, 5), At(10, 0, 6), At(10, 0, 1), At(10, 0, 2), At(10, 0, 7)},
         1},
        {"back by minutes",
         {At(10, 0, 0), At(10, 0, 7), At(10, 3, 30), At(9, 59, 50), At(10, 0, 0), At(10, 0, 1)},
         1},
        {"back and forth", {At(10, 0, 4), At(10, 0, 5), At(10, 0, 0), At(10, 0, 9), At(10, 0, 3)}, 1},
        {"forward onto the moment", {At(9, 58, 10), At(10, 0, 3), At(10, 0, 4), At(10, 0, 5)}, 1},
        {"forward from an empty minute's first seconds", {At(9, 58, 2), At(10, 0, 1)}, 1},
        {"forward over the moment", {At(9, 59, 58), At(10, 2, 1), At(10, 0, 30)}, 0},
        {"the next day", {At(10, 0, 0), At(10, 0, 5), At(10, 0, 0, 9)}, 2},
    };
    for (const Case& c : cases) {
        DaySchedule schedule = Schedule("10:00", "22:00", 2);
        EXPECT_EQ(Total(RunTicks(schedule, c.ticks)), c.expectedAlerts) << c.name;
    }
}

TEST(DayScheduleTest, RemembersTwoDaysOfAlertsWhenTheClockIsSteppedBack) {
    // 40 moments a day from 07:00 to 22:00, over two days, then the second day's moments once more.
    DaySchedule schedule = Schedule("07:00", "22:00", 40);
    std::vector<ClockReading> ticks;
    for (const int day : {8, 9, 9}) {
        for (const Moment& moment : schedule.Moments()) {
            ticks.push_back(At(moment.hour, moment.minute, 0, day));
            ticks.push_back(At(moment.hour, moment.minute, 5, day));
        }
    }
    EXPECT_EQ(Total(RunTicks(schedule, ticks)), 80u);
}

TEST(DayScheduleTest, EqualMomentsStayOnceEachAcrossAStepAndARebuild) {
    DaySchedule schedule = Schedule("07:00", "07:00", 2);
    EXPECT_EQ(schedule.Due(At(7, 0, 0)).size(), 2u);
    EXPECT_TRUE(schedule.Due(At(7, 0, 9)).empty());
    schedule.Rebuild("07:00", "07:00", 3, true); // the memory of given alerts stays
    EXPECT_TRUE(schedule.Due(At(7, 0, 1)).empty());
    EXPECT_EQ(schedule.Due(At(7, 0, 1, 9)).size(), 3u);
}

} // namespace
} // namespace stillmark
