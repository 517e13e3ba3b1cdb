#include "schedule/ReminderText.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(ReminderTextTest, BalloonNamesTheMoment) {
    EXPECT_EQ(AlertBalloonText("12:00"), "It is 12:00\nStillmark time !");
    EXPECT_EQ(AlertBalloonText("01:30 pm"), "It is 01:30 pm\nStillmark time !");
}

} // namespace
} // namespace stillmark
