#include "schedule/ReminderText.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(ReminderTextTest, BalloonNamesTheMoment) {
    EXPECT_EQ(AlertBalloonText("12:00"), "It is 12:00\nStillmark time !");
    EXPECT_EQ(AlertBalloonText("01:30 pm"), "It is 01:30 pm\nStillmark time !");
}

TEST(ReminderTextTest, TranslatedWordsSurroundTheMomentAsWritten) {
    const struct {
        Translator translate;
        const char* expected;
    } cases[] = {
        {[](const char* english) -> std::string {
             return std::string(english) == "It is %s" ? "Es ist %s Uhr" : "Zeit für einen Stillmark!";
         },
         "Es ist 01:30 pm Uhr\nZeit für einen Stillmark!"},
        // A translation that lost its place for the time still shows it.
        {[](const char* english) -> std::string {
             return std::string(english) == "It is %s" ? "Es ist" : english;
         },
         "Es ist 01:30 pm\nStillmark time !"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlertBalloonText("01:30 pm", c.translate), c.expected);
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
