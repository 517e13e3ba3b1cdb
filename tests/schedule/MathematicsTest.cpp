#include "schedule/Mathematics.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

struct RoundCase {
    double x;
    double step;
    double expected;
};

class RoundToMultipleTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToMultipleTest, RoundsHalvesAwayFromZero) {
    const RoundCase c = GetParam();
    EXPECT_DOUBLE_EQ(RoundToMultiple(c.x, c.step), c.expected) << c.x << " by " << c.step;
}

INSTANTIATE_TEST_SUITE_P(Table, RoundToMultipleTest,
                         testing::Values(RoundCase{52.5, 1.0, 53.0}, RoundCase{52.49, 1.0, 52.0},
                                         RoundCase{59.99999999999999, 1.0, 60.0}, RoundCase{0.0, 1.0, 0.0},
                                         RoundCase{-2.5, 1.0, -3.0}, RoundCase{-2.4, 1.0, -2.0},
                                         RoundCase{7.5, 5.0, 10.0}, RoundCase{7.4, 5.0, 5.0},
                                         RoundCase{0.49999999999999994, 1.0, 0.0},
                                         RoundCase{-0.5, 1.0, -1.0}));

TEST(MathematicsTest, SplitsLikeModf) {
    EXPECT_EQ(IntegerPart(23.999), 23.0);
    EXPECT_EQ(IntegerPart(-1.25), -1.0);
    EXPECT_EQ(FractionalPart(-1.25), -0.25);
    EXPECT_EQ(FractionalPart(7.5), 0.5);
}

} // namespace
} // namespace stillmark
