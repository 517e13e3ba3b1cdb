#include <gtest/gtest.h>

#include "ui/info/AppLink.h"
#include "ui/info/DonateLayout.h"

using namespace stillmark;

namespace {

TEST(AppLinkRest, OnlyUrlsBeginningWithAppColonAreIntercepted) {
    struct Case {
        std::string url;
        std::optional<std::string> rest;
    };
    const std::vector<Case> cases = {
        {"app:close", "close"},
        {"APP:Close", "Close"},
        {"App:close", "close"},
        {"app:", ""},
        {"apple.html", std::nullopt},
        {"application:x", std::nullopt},
        {"app", std::nullopt},
        {"", std::nullopt},
        {"file:///opt/stillmark/ThankYou.html", std::nullopt},
        {"https://app:80/", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AppLinkRest(c.url), c.rest) << c.url;
}

TEST(ComputeDonateLayout, EveryRowOfTheWorkAreaTable) {
    struct Case {
        int height;
        DonateLayout expected;
    };
    const std::vector<Case> cases = {
        {738, {801, 650, {0, -5, 830, 600}, 5, 5, false}},
        {620, {801, 650, {0, -5, 830, 600}, 5, 5, false}}, // taller than the work area: still the upper row
        {601, {801, 650, {0, -5, 830, 600}, 5, 5, false}},
        {600, {800, 600, {0, -5, 795, 550}, 280, 5, true}},
        {570, {800, 570, {0, -5, 795, 520}, 280, 5, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComputeDonateLayout(c.height), c.expected) << c.height;
}

TEST(DonatePlacement, ButtonsAndHintSitAgainstTheWindowRectangle) {
    // A window at 100,50, 800 x 570, whose client area starts 4 px right and 24 px below it.
    const PixelRect window{100, 50, 800, 570};
    const Point origin{104, 74};
    // OK: 240 wide in window terms (800 - 2 x 280), bottom 5 above the window's bottom edge.
    EXPECT_EQ(PlaceAgainstWindow(window, origin, 280, 5, 30), (PixelRect{276, 511, 240, 30}));
    EXPECT_EQ(PlaceAgainstWindow(window, origin, 5, 5, 30), (PixelRect{1, 511, 790, 30}));
    // The hint keeps its horizontal place and height.
    EXPECT_EQ(PlaceAtBottom(window, origin, PixelRect{3, 500, 180, 16}, 5), (PixelRect{3, 525, 180, 16}));
}

TEST(DonatePlacement, TheViewEndsAboveTheControlsBelowIt) {
    EXPECT_EQ(KeepAbove({0, -5, 830, 600}, 611), (PixelRect{0, -5, 830, 600}));
    EXPECT_EQ(KeepAbove({0, -5, 795, 520}, 500), (PixelRect{0, -5, 795, 505}));
}

TEST(DonationPage, PathAndUrl) {
    EXPECT_EQ(DonationPagePath("/opt/stillmark"), "/opt/stillmark/ThankYou.html");
    EXPECT_EQ(DonationPagePath("/opt/stillmark/"), "/opt/stillmark/ThankYou.html");
    EXPECT_EQ(DonationPagePath("/"), "/ThankYou.html");
    EXPECT_EQ(DonationPagePath(""), "ThankYou.html");
    EXPECT_EQ(ToNavigableUrl("/opt/My Apps/Thank#You?.html", "/x"),
              "file:///opt/My%20Apps/Thank%23You%3F.html");
    EXPECT_EQ(ToNavigableUrl("page.html", "/home/u"), "file:///home/u/page.html");
    EXPECT_EQ(ToNavigableUrl("/d/\xC3\xA9.html", "/"), "file:///d/%C3%A9.html");
    EXPECT_EQ(ToNavigableUrl("https://x.invalid/a", "/"), "https://x.invalid/a");
    EXPECT_EQ(ToNavigableUrl("app:close", "/"), "app:close");
}

} // namespace
