// Control tips: the table of texts and what GTK is given to show.
#include "ui/main/ControlTips.h"

#include <gtest/gtest.h>
#include <wx/app.h>

using stillmark::ControlTips;

namespace {

// wxEntryStart makes a console application unless told otherwise: windows need a GUI one.
const bool guiApp = [] {
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    return true;
}();

TEST(ControlTipTable, HoldsEachControlInOrderWithItsText) {
    const std::vector<std::pair<std::string_view, std::string_view>> expected = {
        {"start_time",
         "The start time or when the first stillmark will occure.\nUse the up/down button or enter the "
         "start time."},
        {"end_time",
         "The end time or when the last stillmark will occure.\nUse the up/down button or enter the "
         "end time."},
        {"increment", "The time step when clicking on the up/down buttons"},
        {"count",
         "The number of stillmark moments you like to have.\nUse the up/down button or enter the number."},
        {"sound_path",
         "Sound to play when the stillmark moment occurs.\nLeave empty or use the name Default for the "
         "build-in sound"},
        {"use_sound", "Switch on/off the playing of the sound"},
        {"use_ampm", "Shows Am-Pm (American display mode)\nor 24 hours (European display mode)"},
        {"start_minimized", "When checked, this will start Stillmark\nby default in the notification area."},
        {"start_with_desktop", "When checked, Stillmark starts with the desktop at each log-in."},
        {"day", "Stillmark alerts on the days that are pressed in.\nOn other days the list still shows the "
                "moments."},
        {"browse_sound", "Browse for a sound (wav,mp3,wma file)"},
        {"play_sound", "Push this button to play\nthe selected sound"},
        {"stop_sound", "Push this button to stop\nplaying the selected sound"},
        {"moments", "Shows the list of all stillmark moments"},
        {"show_tip",
         "Check this to get tips on all items in this dialog.\nHover over the items to see the tip."},
        {"run_background",
         "Pushing this button will make Stillmark run in the background.\nUpon stillmark time you will be "
         "notified with a pop-up balloon"},
        {"close", "Quits Stillmark"},
        {"count_spin", "Click to increase or decrease the number of stillmark moments."},
        {"start_spin", "Click to increase or decrease the stillmark starting time"},
        {"end_spin", "Click to increase or decrease the stillmark ending time"},
        {"about", "See more info about Stillmark."},
    };
    const auto& table = stillmark::ControlTipTable();
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table[i].first, expected[i].first) << "row " << i;
        EXPECT_EQ(table[i].second, expected[i].second) << "row " << i;
    }
}

TEST(ControlTips, TheTitleIsBoldAndTheTextShowsAsItIs) {
    EXPECT_EQ(ControlTips::Markup("a < b & c\nd"), "<b>Stillmark</b>\na &lt; b &amp; c\nd");
}

} // namespace
