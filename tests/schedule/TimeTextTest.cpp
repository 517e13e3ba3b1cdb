#include "schedule/TimeText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace stillmark {
namespace {

struct ParseCase {
    std::string text;
    double expected;
};

class ParseTimeTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTimeTest, ReadsValue) {
    const ParseCase& c = GetParam();
    EXPECT_DOUBLE_EQ(ParseTime(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    ClockTexts, ParseTimeTest,
    testing::Values(ParseCase{"07:30", 7.5}, ParseCase{"07:30 am", 7.5}, ParseCase{"07:30 pm", 19.5},
                    ParseCase{"12:00 am", 0.0}, ParseCase{"12:00 pm", 12.0}, ParseCase{"12:00", 12.0},
                    ParseCase{"07:30 PM", 7.5}, ParseCase{"07:30 Pm", 7.5}, ParseCase{"7:5", 7.0 + 5.0 / 60},
                    ParseCase{"7:", 7.0}, ParseCase{":30", 0.5}, ParseCase{"24:30", 0.5},
                    ParseCase{"25:30", 0.5}, ParseCase{"07:60", 0.0}, ParseCase{"07:75", 0.0},
                    ParseCase{"-1:30", 0.5}, ParseCase{"07:-5", 0.0}, ParseCase{"  7: 5", 7.0 + 5.0 / 60},
                    ParseCase{"+7:05", 7.0 + 5.0 / 60}, ParseCase{"13:00 pm", 25.0},
                    ParseCase{"23:59 pm", 35.0 + 59.0 / 60}, ParseCase{"07:3000", 7.5},
                    ParseCase{"99999999999999999999:10", 10.0 / 60}, ParseCase{"ab:cd", 0.0},
                    ParseCase{"10:15 pm", 22.25}, ParseCase{"12:05 am", 5.0 / 60},
                    ParseCase{"07:30 min", 7.5}));

INSTANTIATE_TEST_SUITE_P(
    IncrementAndOddTexts, ParseTimeTest,
    testing::Values(ParseCase{"1 min", 1.0 / 60}, ParseCase{"5 min", 5.0 / 60},
                    ParseCase{"10 min", 10.0 / 60}, ParseCase{"15 min", 0.25}, ParseCase{"30 min", 0.5},
                    ParseCase{"1 hour", 1.0}, ParseCase{"90 min", 0.0}, ParseCase{"-5 min", 0.0},
                    ParseCase{"2 hours", 2.0}, ParseCase{"24h", 24.0}, ParseCase{"25h", 0.0},
                    ParseCase{"x", 0.0}, ParseCase{"7", 0.0}, ParseCase{"", 0.0}, ParseCase{"hello", 0.0},
                    ParseCase{"abc", 0.0}, ParseCase{"1 HOUR", 0.0}, ParseCase{"min", 0.0},
                    ParseCase{"1 minh", 1.0 / 60}, ParseCase{std::string("7\0:30", 5), 7.5},
                    ParseCase{"\xff\xfe:30", 0.5}));

struct FormatCase {
    double hours;
    const char* twentyFour;
    const char* amPm;
};

class FormatTimeTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTimeTest, WritesBothForms) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatTime(c.hours, false), c.twentyFour) << c.hours;
    EXPECT_EQ(FormatTime(c.hours, true), c.amPm) << c.hours;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatTimeTest,
    testing::Values(FormatCase{0.0, "00:00", "12:00 am"}, FormatCase{12.0, "12:00", "12:00 pm"},
                    FormatCase{13.25, "13:15", "01:15 pm"}, FormatCase{23.9999, "00:00", "12:00 am"},
                    FormatCase{-0.25, "23:45", "11:45 pm"}, FormatCase{24.5, "00:30", "12:30 am"},
                    FormatCase{0.9999999999999999, "01:00", "01:00 am"},
                    FormatCase{8.875, "08:53", "08:53 am"}, FormatCase{7.0, "07:00", "07:00 am"},
                    FormatCase{22.0, "22:00", "10:00 pm"}, FormatCase{22.25, "22:15", "10:15 pm"},
                    FormatCase{5.0 / 60, "00:05", "12:05 am"}, FormatCase{11.99, "11:59", "11:59 am"},
                    FormatCase{12.5, "12:30", "12:30 pm"},
                    // Far outside the day (a stepped "23:59 pm", a caller's slip) still lands inside it.
                    FormatCase{35.0 + 59.0 / 60 + 24.0, "11:59", "11:59 am"},
                    FormatCase{-30.0, "18:00", "06:00 pm"}, FormatCase{-1e-17, "00:00", "12:00 am"}));

TEST(FormatTimeTest, NonFiniteValueShowsMidnight) {
    EXPECT_EQ(FormatTime(std::numeric_limits<double>::quiet_NaN(), false), "00:00");
    EXPECT_EQ(FormatTime(std::numeric_limits<double>::infinity(), true), "12:00 am");
}

TEST(FormatTimeTest, EveryMinuteOfTheDayReadsBackAsItself) {
    for (int minuteOfDay = 0; minuteOfDay < 24 * 60; ++minuteOfDay) {
        const double value = minuteOfDay / 60.0;
        for (const bool amPm : {false, true}) {
            const std::string text = FormatTime(value, amPm);
            EXPECT_EQ(FormatTime(ParseTime(text), amPm), text);
            const HourMinute split = SplitHourMinute(ParseTime(text));
            EXPECT_EQ(split.hour * 60 + split.minute, minuteOfDay) << text;
        }
    }
}

struct StepCase {
    const char* time;
    const char* increment;
    int step;
    bool amPm;
    const char* expected;
};

class StepTimeTextTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepTimeTextTest, StepsAndWraps) {
    const StepCase& c = GetParam();
    EXPECT_EQ(StepTimeText(c.time, c.increment, c.step, c.amPm), c.expected)
        << c.time << " by " << c.increment << " step " << c.step;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StepTimeTextTest,
    testing::Values(
        StepCase{"07:00", "30 min", 1, false, "07:30"}, StepCase{"07:00", "30 min", 0, false, "07:00"},
        StepCase{"07:00", "30 min", -1, false, "06:30"}, StepCase{"23:30", "1 hour", 1, false, "00:30"},
        StepCase{"00:10", "15 min", -1, false, "23:55"}, StepCase{"07:00", "90 min", 1, false, "07:00"},
        StepCase{"7:5", "90 min", -1, false, "07:05"}, StepCase{"11:30 am", "1 hour", 1, true, "12:30 pm"},
        StepCase{"01:01", "1 min", -1, false, "01:00"}, StepCase{"12:00 am", "1 min", -1, true, "11:59 pm"},
        StepCase{"23:59 pm", "24h", 1, false, "11:59"}, StepCase{"07:00", "x", 1, true, "07:00 am"}));

struct SplitCase {
    double value;
    int hour;
    int minute;
};

class SplitHourMinuteTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitHourMinuteTest, SplitsWithoutCarry) {
    const SplitCase& c = GetParam();
    const HourMinute split = SplitHourMinute(c.value);
    EXPECT_EQ(split.hour, c.hour) << c.value;
    EXPECT_EQ(split.minute, c.minute) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Table, SplitHourMinuteTest,
                         testing::Values(SplitCase{7.5, 7, 30}, SplitCase{8.0 + 53.0 / 60, 8, 53},
                                         SplitCase{0.0, 0, 0}, SplitCase{23.0 + 59.0 / 60, 23, 59},
                                         SplitCase{0.9999999999999999, 0, 60}, SplitCase{8.875, 8, 53},
                                         SplitCase{std::numeric_limits<double>::quiet_NaN(), 0, 0}));

TEST(IncrementChoicesTest, ReadAsTheirDurations) {
    const double expected[] = {1.0 / 60, 5.0 / 60, 10.0 / 60, 0.25, 0.5, 1.0};
    for (std::size_t i = 0; i < kIncrementChoices.size(); ++i) {
        EXPECT_DOUBLE_EQ(ParseTime(kIncrementChoices[i]), expected[i]) << kIncrementChoices[i];
    }
}

} // namespace
} // namespace stillmark
