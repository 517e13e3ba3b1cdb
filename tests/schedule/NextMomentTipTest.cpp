#include "schedule/NextMomentTip.h"
#include "InZone.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(NextMomentTipTest, NamesTheNextMomentOrWhyThereIsNone) {
    DaySchedule schedule;
    schedule.Rebuild("07:00", "22:00", 5, false); // 07:00 10:45 14:30 18:15 22:00
    const Moment snooze{0, "10:50", 10, 50};
    const struct {
        const char* name;
        int hour, minute;
        TipDay day;
        const Moment* snooze;
        const char* expected;
    } cases[] = {
        {"before the first", 6, 59, TipDay::Alerts, nullptr, "Next Stillmark at 07:00"},
        {"in a moment's own minute", 10, 45, TipDay::Alerts, nullptr, "Next Stillmark at 14:30"},
        {"between two", 14, 31, TipDay::Alerts, nullptr, "Next Stillmark at 18:15"},
        {"a snooze before the next", 10, 45, TipDay::Alerts, &snooze, "Next Stillmark at 10:50"},
        {"a snooze already given", 10, 50, TipDay::Alerts, &snooze, "Next Stillmark at 14:30"},
        {"after the last", 22, 0, TipDay::Alerts, nullptr, "No more Stillmarks today"},
        {"a day off", 6, 0, TipDay::DayOff, nullptr, "No Stillmark today"},
        {"paused", 6, 0, TipDay::Paused, &snooze, "Paused for today"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NextMomentTip(schedule.Moments(), {2026, 12, 8, c.hour, c.minute, 0}, c.day, c.snooze),
                  c.expected)
            << c.name;
    EXPECT_EQ(NextMomentTip({}, {2026, 12, 8, 6, 0, 0}, TipDay::Alerts), "No Stillmark today");
}

TEST(NextMomentTipTest, TheTimeReadsAsTheListWritesItInAnyTranslation) {
    DaySchedule schedule;
    schedule.Rebuild("07:00 am", "10:00 pm", 5, true);
    const Translator lost = [](const char*) -> std::string { return "Nächster Stillmark"; };
    EXPECT_EQ(NextMomentTip(schedule.Moments(), {2026, 12, 8, 11, 0, 0}, TipDay::Alerts),
              "Next Stillmark at 02:30 pm");
    EXPECT_EQ(NextMomentTip(schedule.Moments(), {2026, 12, 8, 11, 0, 0}, TipDay::Alerts, nullptr, lost),
              "Nächster Stillmark 02:30 pm");
}

TEST(NextMomentTipTest, TheDayThePauseAndASnoozeComeFromTheSettings) {
    const test::InZone zone("UTC0");
    DaySchedule schedule;
    schedule.Rebuild("07:00", "22:00", 5, false);
    const std::time_t tuesday1100 = 1796727600; // 2026-12-08 11:00 UTC
    const struct {
        const char* name;
        std::time_t now;
        const char* days;
        const char* pausedOn;
        std::optional<std::time_t> snoozeAt;
        const char* expected;
    } cases[] = {
        {"every day", tuesday1100, "1111111", "", {}, "Next Stillmark at 14:30"},
        {"Tuesday off", tuesday1100, "1011111", "", {}, "No Stillmark today"},
        {"paused today", tuesday1100, "1111111", "2026-12-08", {}, "Paused for today"},
        {"paused yesterday", tuesday1100, "1111111", "2026-12-07", {}, "Next Stillmark at 14:30"},
        {"snoozed", tuesday1100, "1111111", "", tuesday1100 + 330, "Next Stillmark at 11:05"},
        {"snoozed past midnight", tuesday1100 + 39660, "1111111", "", tuesday1100 + 46980,
         "No more Stillmarks today"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IconTip(schedule.Moments(), c.now, c.days, c.pausedOn, c.snoozeAt, false), c.expected)
            << c.name;
}

} // namespace
} // namespace stillmark
