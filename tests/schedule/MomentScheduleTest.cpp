#include "schedule/MomentSchedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stillmark {
namespace {

using Texts = std::vector<std::string>;

struct ScheduleCase {
    const char* start;
    const char* end;
    int count;
    Texts twentyFour;
    Texts amPm;
};

class MomentScheduleTest : public testing::TestWithParam<ScheduleCase> {};

TEST_P(MomentScheduleTest, ListsMomentsInBothForms) {
    const ScheduleCase& c = GetParam();
    EXPECT_EQ(ComputeMomentTexts(c.start, c.end, c.count, false), c.twentyFour);
    EXPECT_EQ(ComputeMomentTexts(c.start, c.end, c.count, true), c.amPm);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSchedules, MomentScheduleTest,
    testing::Values(
        ScheduleCase{"07:00", "22:00", 1, {"07:00"}, {"07:00 am"}},
        ScheduleCase{"07:00", "22:00", 2, {"07:00", "22:00"}, {"07:00 am", "10:00 pm"}},
        ScheduleCase{"07:00",
                     "22:00",
                     4,
                     {"07:00", "12:00", "17:00", "22:00"},
                     {"07:00 am", "12:00 pm", "05:00 pm", "10:00 pm"}},
        ScheduleCase{"07:00",
                     "22:00",
                     5,
                     {"07:00", "10:45", "14:30", "18:15", "22:00"},
                     {"07:00 am", "10:45 am", "02:30 pm", "06:15 pm", "10:00 pm"}},
        ScheduleCase{"07:00",
                     "22:00",
                     7,
                     {"07:00", "09:30", "12:00", "14:30", "17:00", "19:30", "22:00"},
                     {"07:00 am", "09:30 am", "12:00 pm", "02:30 pm", "05:00 pm", "07:30 pm", "10:00 pm"}},
        ScheduleCase{"07:00",
                     "22:00",
                     9,
                     {"07:00", "08:53", "10:45", "12:38", "14:30", "16:23", "18:15", "20:08", "22:00"},
                     {"07:00 am", "08:53 am", "10:45 am", "12:38 pm", "02:30 pm", "04:23 pm", "06:15 pm",
                      "08:08 pm", "10:00 pm"}},
        ScheduleCase{"22:00",
                     "02:00",
                     5,
                     {"22:00", "23:00", "00:00", "01:00", "02:00"},
                     {"10:00 pm", "11:00 pm", "12:00 am", "01:00 am", "02:00 am"}},
        ScheduleCase{"23:30", "00:30", 3, {"23:30", "00:00", "00:30"}, {"11:30 pm", "12:00 am", "12:30 am"}},
        ScheduleCase{
            "07:00", "07:00", 3, {"07:00", "07:00", "07:00"}, {"07:00 am", "07:00 am", "07:00 am"}}));

INSTANTIATE_TEST_SUITE_P(
    Edges, MomentScheduleTest,
    testing::Values(
        // One moment sits at the start whatever the end.
        ScheduleCase{"13:15", "02:00", 1, {"13:15"}, {"01:15 pm"}}, ScheduleCase{"07:00", "22:00", 0, {}, {}},
        ScheduleCase{"07:00", "22:00", 41, {}, {}}, ScheduleCase{"07:00", "22:00", -3, {}, {}},
        ScheduleCase{"24h", "22:00", 5, {}, {}}, ScheduleCase{"07:00", "13:00 pm", 5, {}, {}},
        ScheduleCase{"23:59", "00:00", 2, {"23:59", "00:00"}, {"11:59 pm", "12:00 am"}},
        // Unreadable text is midnight, not an empty list.
        ScheduleCase{"junk", "02:00", 3, {"00:00", "01:00", "02:00"}, {"12:00 am", "01:00 am", "02:00 am"}},
        // The parser reads the am/pm form whatever form the list shows.
        ScheduleCase{"07:00 am", "10:00 pm", 2, {"07:00", "22:00"}, {"07:00 am", "10:00 pm"}}));

TEST(MomentScheduleTest, FortyMomentsAreFifteenThirtyNinthsOfAnHourApart) {
    const Texts texts = ComputeMomentTexts("07:00", "22:00", 40, false);
    ASSERT_EQ(texts.size(), 40u);
    EXPECT_EQ(texts[0], "07:00");
    EXPECT_EQ(texts[1], "07:23");
    EXPECT_EQ(texts[2], "07:46");
    EXPECT_EQ(texts[3], "08:09");
    EXPECT_EQ(texts[38], "21:37");
    EXPECT_EQ(texts[39], "22:00");

    const std::vector<double> moments = ComputeMoments("07:00", "22:00", 40);
    ASSERT_EQ(moments.size(), 40u);
    for (std::size_t i = 1; i < moments.size(); ++i) {
        EXPECT_NEAR(moments[i] - moments[i - 1], 15.0 / 39.0, 1e-12);
    }
}

TEST(MomentScheduleTest, EachMomentIsThePreviousPlusTheStep) {
    // 11 hours in 24 steps: the sixth and eighth moments land on a half minute, where the running sum
    // lies just above it (09:18, 10:13) and start + i x step just below (09:17, 10:12).
    struct Case {
        const char* start;
        const char* end;
        int count;
        std::size_t index;
        const char* expected;
    };
    for (const Case c : {Case{"07:00", "18:00", 25, 5, "09:18"}, Case{"07:00", "18:00", 25, 7, "10:13"}}) {
        const Texts texts = ComputeMomentTexts(c.start, c.end, c.count, false);
        ASSERT_GT(texts.size(), c.index);
        EXPECT_EQ(texts[c.index], c.expected)
            << c.start << "-" << c.end << " x" << c.count << " #" << c.index;
    }
}

TEST(MomentScheduleTest, WindowAcrossMidnightKeepsValuesPastTwentyFour) {
    const std::vector<double> moments = ComputeMoments("22:00", "02:00", 5);
    const std::vector<double> expected = {22.0, 23.0, 24.0, 25.0, 26.0};
    ASSERT_EQ(moments.size(), expected.size());
    for (std::size_t i = 0; i < moments.size(); ++i) {
        EXPECT_DOUBLE_EQ(moments[i], expected[i]);
    }
}

TEST(MomentScheduleTest, EveryCountAndWindowListsMinutesInsideTheDay) {
    for (int count = 1; count <= 40; ++count) {
        for (const char* start : {"00:00", "07:00", "12:00 pm", "23:59"}) {
            for (const char* end : {"00:00", "06:59", "22:00", "23:59"}) {
                const Texts texts = ComputeMomentTexts(start, end, count, false);
                ASSERT_EQ(texts.size(), static_cast<std::size_t>(count));
                for (const std::string& text : texts) {
                    ASSERT_EQ(text.size(), 5u) << text;
                    EXPECT_LT(std::stoi(text.substr(0, 2)), 24) << text;
                    EXPECT_LT(std::stoi(text.substr(3, 2)), 60) << text;
                }
            }
        }
    }
}

TEST(MomentScheduleTest, TheCountStepsByOneAndWrapsAtItsEnds) {
    struct Case {
        int count, step, expected;
    };
    for (const Case& c : std::vector<Case>{{5, +1, 6},
                                           {5, -1, 4},
                                           {40, +1, 1},
                                           {1, -1, 40},
                                           {0, -1, 40},
                                           {99, +1, 1},
                                           {-3, +1, 2},
                                           {7, 0, 7}})
        EXPECT_EQ(StepMomentCount(c.count, c.step), c.expected) << c.count << " step " << c.step;
}

} // namespace
} // namespace stillmark
