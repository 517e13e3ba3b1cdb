#include "schedule/ReminderText.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(ReminderTextTest, BalloonNamesTheMoment) {
    EXPECT_EQ(AlertBalloonText("12:00"), "It is 12:00\nStillmark time !");
    EXPECT_EQ(AlertBalloonText("01:30 pm"), "It is 01:30 pm\nStillmark time !");
}

TEST(ReminderTextTest, TranslatedWordsSurroundTheMomentAsWritten) {
    const Translator german = [](const char* english) -> std::string {
        return std::string(english) == "It is %s" ? "Es ist %s Uhr" : "Zeit für einen Stillmark!";
    };
    EXPECT_EQ(AlertBalloonText("01:30 pm", german), "Es ist 01:30 pm Uhr\nZeit für einen Stillmark!");
}

TEST(ReminderTextTest, RealignsOnlyLateTicksToJustAfterTheSecond) {
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

} // namespace
} // namespace stillmark
