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

TEST(ReminderTextTest, FillInPutsValuesInOrderOrWhereATranslationMovesThem) {
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {{"%s: %s", "a: b"},
                 {"%2$s ← %1$s", "b ← a"},
                 {"100% %s %s %s", "100% a b %s"},
                 {"%1$s%", "a%"},
                 {"%3$s %9$", "%3$s %9$"}};
    for (const auto& c : cases)
        EXPECT_EQ(FillIn(c.pattern, {"a", "b"}), c.expected) << c.pattern;
}

} // namespace
} // namespace stillmark
