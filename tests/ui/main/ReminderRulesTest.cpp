#include "ui/main/ReminderRules.h"
#include "ui/main/InterimDaySchedule.h"
#include "ui/main/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace stillmark;

namespace {

ClockReading At(int hour, int minute, int second, int day = 8) {
    return {2026, 12, day, hour, minute, second};
}

// Ticks the schedule through the readings, as the one-second timer would; the indexes due at each.
std::vector<std::vector<std::size_t>> RunTicks(DaySchedule& schedule,
                                               const std::vector<ClockReading>& ticks) {
    std::vector<std::vector<std::size_t>> result;
    for (const ClockReading& now : ticks)
        result.push_back(schedule.Due(now));
    return result;
}

std::size_t TotalAlerts(const std::vector<std::vector<std::size_t>>& perTick) {
    std::size_t n = 0;
    for (const auto& tick : perTick)
        n += tick.size();
    return n;
}

DaySchedule Schedule(const char* start, const char* end, int count, bool amPm = false) {
    DaySchedule schedule;
    schedule.Rebuild(start, end, count, amPm);
    return schedule;
}

} // namespace

TEST(DaySchedule, AMomentAlertsOnceInTheFirstFiveSecondsOfItsMinute) {
    struct Case {
        int firstSecond;
        std::size_t expectedAlerts;
    };
    for (const Case c : {Case{0, 1}, Case{3, 1}, Case{4, 1}, Case{5, 0}, Case{30, 0}}) {
        DaySchedule schedule = Schedule("12:00", "12:00", 1);
        std::vector<ClockReading> ticks;
        for (int s = c.firstSecond; s < 60; ++s)
            ticks.push_back(At(12, 0, s));
        EXPECT_EQ(TotalAlerts(RunTicks(schedule, ticks)), c.expectedAlerts)
            << "first tick at " << c.firstSecond;
    }
}

TEST(DaySchedule, EqualMomentsAlertTogetherInListOrder) {
    DaySchedule schedule = Schedule("07:00", "07:00", 3);
    const auto alerts = RunTicks(schedule, {At(7, 0, 1), At(7, 0, 2)});
    EXPECT_EQ(alerts[0], (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(alerts[1].empty());
}

TEST(DaySchedule, ClockStepsNeverRepeatOrCatchUp) {
    DaySchedule back = Schedule("10:00", "10:00", 1);
    EXPECT_EQ(TotalAlerts(RunTicks(back, {At(10, 0, 0), At(10, 0, 7), At(9, 59, 50), At(10, 0, 0)})), 1u);
    DaySchedule forward = Schedule("10:00", "12:00", 3);
    EXPECT_EQ(TotalAlerts(RunTicks(forward, {At(9, 0, 10), At(13, 0, 1)})), 0u) << "no catching up";
    DaySchedule nextDay = Schedule("10:00", "10:00", 1);
    EXPECT_EQ(TotalAlerts(RunTicks(nextDay, {At(10, 0, 0), At(10, 0, 0, 9)})), 2u) << "the next day alerts";
}

TEST(DaySchedule, ReadsEveryListedForm) {
    DaySchedule amPm = Schedule("01:30 pm", "01:30 pm", 1, true);
    EXPECT_EQ(amPm.Moments()[0].text, "01:30 pm");
    EXPECT_TRUE(amPm.Due(At(1, 30, 0)).empty());
    EXPECT_EQ(amPm.Due(At(13, 30, 0)), std::vector<std::size_t>{0});
    DaySchedule none = Schedule("07:00", "22:00", 0);
    EXPECT_TRUE(none.Due(At(7, 0, 0)).empty());
    DaySchedule unread = Schedule("07:00", "22:00", 5);
    EXPECT_TRUE(unread.Due({}).empty()) << "an unreadable clock matches nothing";
}

TEST(AlertTexts, BalloonNamesTheMoment) {
    EXPECT_EQ(AlertBalloonText("12:00"), "It is 12:00\nStillmark time !");
    EXPECT_EQ(AlertBalloonText("01:30 pm"), "It is 01:30 pm\nStillmark time !");
}

TEST(WindowPlacement, StoredCornerIsUsedUnlessNoScreenShowsTheWindow) {
    const std::vector<ScreenRect> oneScreen{{0, 0, 1920, 1080}};
    const std::vector<ScreenRect> twoScreens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    struct Case {
        StoredWindowPosition stored;
        std::vector<ScreenRect> screens;
        std::optional<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {{-1, -1, -1, -1}, oneScreen, std::nullopt},                // nothing stored: centre
        {{100, 80, 625, 350}, oneScreen, std::pair{100, 80}},       // on screen: unchanged
        {{-1, 80, 525, 350}, oneScreen, std::pair{-1, 80}},         // one -1 still counts as stored
        {{2500, 100, 3025, 370}, twoScreens, std::pair{2500, 100}}, // on the second monitor
        {{2500, 100, 3025, 370}, oneScreen, std::nullopt},          // that monitor was unplugged
        {{-600, -400, -75, -130}, oneScreen, std::nullopt},         // wholly above-left
        {{-500, 10, 25, 280}, oneScreen, std::pair{-500, 10}},      // partly visible: unchanged
        {{5000, 5000, 0, 0}, {}, std::pair{5000, 5000}},            // screens unknown: trust it
    };
    for (const Case& c : cases) {
        const auto corner = ChooseWindowCorner(c.stored, 525, 270, c.screens);
        ASSERT_EQ(corner.has_value(), c.expected.has_value()) << c.stored.left << "," << c.stored.top;
        if (corner) {
            EXPECT_EQ(std::pair(corner->x, corner->y), *c.expected);
        }
    }
}

TEST(ReminderTimer, RealignsOnlyLateTicksToJustAfterTheSecond) {
    struct Case {
        int intoSecond;
        std::optional<int> delay;
    };
    for (const Case c : {Case{0, std::nullopt}, Case{149, std::nullopt}, Case{150, 870}, Case{600, 420},
                         Case{999, 21}, Case{-1, std::nullopt}, Case{1000, std::nullopt}}) {
        EXPECT_EQ(RealignDelayMs(c.intoSecond), c.delay) << c.intoSecond;
        if (c.delay) {
            EXPECT_EQ((c.intoSecond + *c.delay) % 1000, 20) << "lands 20 ms into the next second";
        }
    }
}
