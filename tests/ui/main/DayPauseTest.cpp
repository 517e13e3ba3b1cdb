// The pause's menu entry over midnight, on its real timer: a timer that comes before midnight by the
// clock (a 25-hour day, a clock set back) waits again, and the next morning the entry offers the pause.
#include "ui/main/DayPause.h"
#include "EventPump.h"
#include "MainWindowDoubles.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace stillmark::test {
namespace {

using namespace std::chrono_literals;

TEST(DayPauseTest, TheEntryFollowsTheDateAfterATimerThatCameEarly) {
    ClockReading now{2026, 12, 8, 23, 59, 58};
    FakeClock clock(now);
    Settings settings;
    settings.pausedOn = "2026-12-08";
    std::vector<bool> labels; // each telling of the entry: true when it offers to resume
    DayPause pause(clock, settings, [&](bool paused) { labels.push_back(paused); }, {});
    pause.Refresh();
    ASSERT_EQ(labels, std::vector<bool>{true});

    now = {2026, 12, 8, 23, 59, 59}; // when the timer comes, midnight has not come by the clock
    ASSERT_TRUE(PumpUntil([&] { return labels.size() == 2; }, 6s)) << "the timer for midnight";
    EXPECT_TRUE(labels.back()) << "still the paused day";

    now = {2026, 12, 9, 0, 0, 1};
    EXPECT_TRUE(PumpUntil([&] { return labels.size() == 3; }, 6s)) << "no timer after the early one";
    EXPECT_EQ(labels, (std::vector<bool>{true, true, false})) << "the next morning: \"Pause for today\"";
    EXPECT_EQ(settings.pausedOn, "2026-12-08") << "the setting stays as it was";
}

} // namespace
} // namespace stillmark::test
