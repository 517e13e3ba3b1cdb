#include <gtest/gtest.h>

#include "ui/info/DonateLayout.h"
#include "ui/info/PageLink.h"

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
        {738, {801, 650, 0, false}},
        {620, {801, 650, 0, false}}, // taller than the work area: still the
                                     // upper row
        {601, {801, 650, 0, false}},
        {600, {800, 600, 240, true}},
        {570, {800, 570, 240, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComputeDonateLayout(c.height), c.expected) << c.height;
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
