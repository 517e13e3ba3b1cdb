#include "ui/main/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace stillmark;

TEST(WindowPlacement, StoredCornerIsUsedUnlessNoScreenShowsTheWindow) {
    const std::vector<ScreenRect> oneScreen{{0, 0, 1920, 1080}};
    const std::vector<ScreenRect> twoScreens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    struct Case {
        StoredWindowPosition stored;
        std::vector<ScreenRect> screens;
        std::optional<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {{-1, -1, -1, -1}, oneScreen, std::nullopt},                // nothing stored: centre
        {{100, 80, 625, 350}, oneScreen, std::pair{100, 80}},       // on screen: unchanged
        {{-1, 80, 525, 350}, oneScreen, std::pair{-1, 80}},         // one -1 still counts as stored
        {{2500, 100, 3025, 370}, twoScreens, std::pair{2500, 100}}, // on the second monitor
        {{2500, 100, 3025, 370}, oneScreen, std::nullopt},          // that monitor was unplugged
        {{-600, -400, -75, -130}, oneScreen, std::nullopt},         // wholly above-left
        {{-500, 10, 25, 280}, oneScreen, std::pair{-500, 10}},      // partly visible: unchanged
        {{5000, 5000, 0, 0}, {}, std::pair{5000, 5000}},            // screens unknown: trust it
    };
    for (const Case& c : cases) {
        const auto corner = ChooseWindowCorner(c.stored, 525, 270, c.screens);
        ASSERT_EQ(corner.has_value(), c.expected.has_value()) << c.stored.left << "," << c.stored.top;
        if (corner) {
            EXPECT_EQ(std::pair(corner->x, corner->y), *c.expected);
        }
    }
}
