#include "schedule/QuietRules.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(QuietRulesTest, AwayPassesBusyIsSilentAndTheSettingOffHearsEverything) {
    using enum ReminderDelivery;
    const struct {
        bool quiet;
        DesktopState state;
        ReminderDelivery expected;
    } cases[] = {
        {true, {}, Heard},
        {true, {.locked = true}, Passed},
        {true, {.doNotDisturb = true}, Silent},
        {true, {.presenting = true}, Silent},
        {true, {.locked = true, .doNotDisturb = true, .presenting = true}, Passed},
        {true, {.doNotDisturb = true, .presenting = true}, Silent},
        {false, {.locked = true}, Heard},
        {false, {.doNotDisturb = true, .presenting = true}, Heard},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeliveryFor(c.quiet, c.state), c.expected)
            << "quiet " << c.quiet << " locked " << c.state.locked << " dnd " << c.state.doNotDisturb
            << " presenting " << c.state.presenting;
}

} // namespace
} // namespace stillmark
