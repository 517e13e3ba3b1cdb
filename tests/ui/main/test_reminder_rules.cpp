#include "ui/main/ReminderRules.h"
#include "ui/main/WindowPlacement.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace stillmark;

namespace {

// Runs the tick rules over a sequence of clock readings, as the one-second timer would,
// and returns the list indexes alerted at each tick.
std::vector<std::vector<std::size_t>> RunTicks(const std::vector<std::string>& items, int count,
                                               const std::vector<LocalClockTime>& ticks) {
    bool alerted = false;
    std::vector<std::vector<std::size_t>> result;
    for (const LocalClockTime& now : ticks) {
        std::vector<std::size_t> alerts;
        if (ArmReminderTick(now, alerted)) {
            alerts = MatchingMoments(items, count, now);
            if (!alerts.empty())
                alerted = true;
        }
        result.push_back(alerts);
    }
    return result;
}

std::size_t TotalAlerts(const std::vector<std::vector<std::size_t>>& perTick) {
    std::size_t n = 0;
    for (const auto& tick : perTick)
        n += tick.size();
    return n;
}

} // namespace

TEST(ReminderTick, AlertsOnceInTheFirstFiveSecondsOfTheMinute) {
    const std::vector<std::string> items{"07:00", "12:00", "22:00"};
    std::vector<LocalClockTime> ticks;
    for (int s = 0; s < 60; ++s)
        ticks.push_back({12, 0, s});
    const auto alerts = RunTicks(items, 3, ticks);
    ASSERT_EQ(alerts[0], std::vector<std::size_t>{1});
    EXPECT_EQ(TotalAlerts(alerts), 1u);
}

TEST(ReminderTick, FirstTickDecidesWhetherTheMomentIsCaught) {
    struct Case {
        int firstSecond;
        std::size_t expectedAlerts;
    };
    for (const Case c : {Case{0, 1}, Case{3, 1}, Case{4, 1}, Case{5, 0}, Case{30, 0}}) {
        std::vector<LocalClockTime> ticks;
        for (int s = c.firstSecond; s < 60; ++s)
            ticks.push_back({12, 0, s});
        EXPECT_EQ(TotalAlerts(RunTicks({"12:00"}, 1, ticks)), c.expectedAlerts)
            << "first tick at second " << c.firstSecond;
    }
}

TEST(ReminderTick, EqualMomentsAlertTogetherInListOrder) {
    const auto alerts = RunTicks({"07:00", "07:00", "07:00"}, 3, {{7, 0, 1}, {7, 0, 2}});
    EXPECT_EQ(alerts[0], (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(alerts[1].empty());
}

TEST(ReminderTick, ConsecutiveMinutesEachAlert) {
    std::vector<LocalClockTime> ticks;
    for (int m = 0; m < 3; ++m)
        for (int s = 0; s < 60; ++s)
            ticks.push_back({9, m, s});
    EXPECT_EQ(TotalAlerts(RunTicks({"09:00", "09:01", "09:02"}, 3, ticks)), 3u);
}

TEST(ReminderTick, EachMomentAlertsInItsOwnMinute) {
    // A moment read back a minute off would still give one alert per moment: check which and when.
    const std::vector<std::string> items{"09:00", "09:01", "09:02", "09:04", "09:59", "10:00"};
    std::vector<LocalClockTime> ticks;
    for (int minute = 9 * 60; minute <= 10 * 60 + 1; ++minute)
        for (int s = 0; s < 60; ++s)
            ticks.push_back({minute / 60, minute % 60, s});
    const auto alerts = RunTicks(items, static_cast<int>(items.size()), ticks);
    std::vector<std::pair<std::string, std::size_t>> given; // "HH:MM:SS" of the tick, index
    for (std::size_t t = 0; t < ticks.size(); ++t) {
        for (std::size_t index : alerts[t]) {
            char when[16];
            std::snprintf(when, sizeof when, "%02d:%02d:%02d", ticks[t].hour, ticks[t].minute,
                          ticks[t].second);
            given.emplace_back(when, index);
        }
    }
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"09:00:00", 0}, {"09:01:00", 1}, {"09:02:00", 2}, {"09:04:00", 3}, {"09:59:00", 4}, {"10:00:00", 5}};
    EXPECT_EQ(given, expected);
}

TEST(ReminderTick, ABlockedThreadThatSkipsSecondFiveMissesTheNextMinute) {
    // No tick at second 5 or later between the two windows: the flag stays set.
    const auto alerts = RunTicks({"09:00", "09:01"}, 2, {{9, 0, 0}, {9, 1, 2}, {9, 1, 6}});
    EXPECT_EQ(TotalAlerts(alerts), 1u);
}

TEST(ReminderTick, ClockSetBackAlertsAgainOnlyAfterASecondFiveTick) {
    const auto again = RunTicks({"10:00"}, 1, {{10, 0, 0}, {10, 0, 7}, {9, 59, 50}, {10, 0, 0}});
    EXPECT_EQ(TotalAlerts(again), 2u);
    const auto jumpForward = RunTicks({"10:00", "11:00", "12:00"}, 3, {{9, 0, 10}, {13, 0, 1}, {13, 0, 2}});
    EXPECT_EQ(TotalAlerts(jumpForward), 0u) << "a jump forward never catches up";
}

TEST(MatchingMoments, ReadsEveryListedForm) {
    struct Case {
        std::vector<std::string> items;
        int count;
        LocalClockTime now;
        std::vector<std::size_t> expected;
    };
    const Case cases[] = {
        {{"01:30 pm"}, 1, {13, 30, 0}, {0}},
        {{"01:30 pm"}, 1, {1, 30, 0}, {}},
        {{"12:00 am", "12:00 pm"}, 2, {0, 0, 0}, {0}},
        {{"12:00 am", "12:00 pm"}, 2, {12, 0, 0}, {1}},
        {{}, 5, {7, 0, 0}, {}},
        {{"07:00"}, 0, {7, 0, 0}, {}},
        {{"07:00", "07:00"}, 1, {7, 0, 0}, {0}}, // only the first `count` items are walked
        {{"07:00"}, 41, {7, 0, 0}, {0}},         // a shorter list is walked as far as it goes
        {{"07:00"}, 1, {-1, -1, -1}, {}},        // an unreadable clock matches nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchingMoments(c.items, c.count, c.now), c.expected);
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
