// Dialog units without a window: the font's scale, its growth where content needs room, the
// rounding of edges and the resource text.
#include <gtest/gtest.h>

#include "ui/common/DialogUnits.h"

using namespace stillmark;

namespace {

TEST(DialogUnits, ScaleKeepsTheFontsFractions) {
    // 385 px for 52 letters is 7.40 px a letter: 1.85 px a unit, not the 1.75 of a letter
    // rounded to 7 px.
    const DialogUnitScale scale = ScaleFromFont(385, 15);
    EXPECT_DOUBLE_EQ(scale.x, 385.0 / 208.0);
    EXPECT_DOUBLE_EQ(scale.y, 15.0 / 8.0);
    // A degenerate font still gives a usable scale.
    EXPECT_GT(ScaleFromFont(0, 0).x, 0.0);
    EXPECT_GT(ScaleFromFont(0, 0).y, 0.0);
}

TEST(DialogUnits, ScaleGrowsOnlyWhereAControlNeedsRoom) {
    const DialogUnitScale font{1.85, 1.875};
    struct Case {
        const char* what;
        std::vector<TemplateFit> controls;
        DialogUnitScale expected;
    };
    const Case cases[] = {
        {"nothing placed", {}, font},
        {"content fits", {{{63, 14}, {111, 26}}}, font},
        {"no needs", {{{63, 14}, {0, 0}}}, font},
        {"a wide label widens", {{{50, 8}, {100, 10}}}, {2.0, 1.875}},
        {"a tall field heightens", {{{40, 12}, {10, 27}}}, {1.85, 2.25}},
        {"the neediest wins",
         {{{50, 8}, {100, 10}}, {{20, 8}, {60, 10}}, {{40, 12}, {10, 27}}, {{40, 10}, {10, 20}}},
         {3.0, 2.25}},
        {"zero-sized controls are left alone", {{{0, 0}, {50, 50}}}, font},
    };
    for (const Case& c : cases) {
        const DialogUnitScale scale = ScaleToFit(font, c.controls);
        EXPECT_NEAR(scale.x, c.expected.x, 1e-6) << c.what;
        EXPECT_NEAR(scale.y, c.expected.y, 1e-6) << c.what;
        // Whatever the position, each control then holds its content.
        for (const TemplateFit& control : c.controls)
            for (int at = 0; at < 40; ++at) {
                const wxRect pixels = UnitsToPixels(wxRect(at, at, control.units.x, control.units.y), scale);
                if (control.units.x > 0) {
                    EXPECT_GE(pixels.width, control.needs.x) << c.what << " at " << at;
                }
                if (control.units.y > 0) {
                    EXPECT_GE(pixels.height, control.needs.y) << c.what << " at " << at;
                }
            }
    }
}

TEST(DialogUnits, ControlsThatMeetInTheTemplateMeetOnTheScreen) {
    // The buttons of a row at 56, 120 and 183 units, 63 wide, and the rows of a column.
    for (const double scale : {1.65, 1.85, 2.03, 2.25, 2.88, 3.32}) {
        const DialogUnitScale units{scale, scale};
        const wxRect run = UnitsToPixels(wxRect(56, 145, 64, 14), units);
        const wxRect close = UnitsToPixels(wxRect(120, 145, 63, 14), units);
        const wxRect about = UnitsToPixels(wxRect(183, 145, 63, 14), units);
        EXPECT_EQ(run.GetRight() + 1, close.GetLeft()) << scale;
        EXPECT_EQ(close.GetRight() + 1, about.GetLeft()) << scale;
        EXPECT_EQ(UnitsToPixels(wxPoint(120, 145), units), close.GetTopLeft()) << scale;
    }
    EXPECT_EQ(UnitsToPixels(wxSize(300, 166), DialogUnitScale{2.0, 2.125}), wxSize(600, 353));
}

TEST(DialogUnits, ResourceTextInDialogUnits) {
    struct Case {
        const char* text;
        std::optional<wxSize> expected;
    };
    const Case cases[] = {
        {"53,15d", wxSize(53, 15)}, {" 235, 140d ", wxSize(235, 140)},
        {"0,0D", wxSize(0, 0)},     {"-5,7d", wxSize(-5, 7)},
        {"53,15", std::nullopt},    {"53d", std::nullopt},
        {"a,15d", std::nullopt},    {"53,15xd", std::nullopt},
        {"", std::nullopt},         {"d", std::nullopt},
        {",d", std::nullopt},       {"99999999999,1d", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDialogUnits(c.text), c.expected) << '"' << c.text << '"';
}

} // namespace
