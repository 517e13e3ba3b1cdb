#include "schedule/ReminderText.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(ReminderTextTest, BalloonNamesTheMoment) {
    EXPECT_EQ(AlertBalloonText("12:00"), "It is 12:00\nStillmark time !");
    EXPECT_EQ(AlertBalloonText("01:30 pm"), "It is 01:30 pm\nStillmark time !");
}

TEST(ReminderTextTest, TranslatedWordsSurroundTheMomentAsWritten) {
    // The translators' text of the first line, as a catalog could hold it.
    static const char* timeLine = nullptr;
    const Translator german = [](const char* english) -> std::string {
        return std::string(english) == "It is %s" ? timeLine : "Zeit für einen Stillmark!";
    };
    const std::pair<const char*, const char*> cases[] = {
        {"Es ist %s Uhr", "Es ist 01:30 pm Uhr"},
        {"Es ist %1$s Uhr", "Es ist 01:30 pm Uhr"},
        {"Es ist", "Es ist 01:30 pm"}, // the placeholder lost: the time still shows
    };
    for (const auto& [translated, shown] : cases) {
        timeLine = translated;
        EXPECT_EQ(AlertBalloonText("01:30 pm", german), std::string(shown) + "\nZeit für einen Stillmark!")
            << translated;
    }
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
