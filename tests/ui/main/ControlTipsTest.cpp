// Control tips: what GTK is given to show.
#include "ui/main/ControlTips.h"

#include <gtest/gtest.h>

using stillmark::ControlTips;

namespace {

TEST(ControlTips, TheTitleIsBoldAndTheTextShowsAsItIs) {
    EXPECT_EQ(ControlTips::Markup("a < b & c\nd"), "<b>Stillmark</b>\na &lt; b &amp; c\nd");
}

} // namespace
