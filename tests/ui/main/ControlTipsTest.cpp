// Control tips: the table of texts, the tool registry and the hover behaviour of the tip window.
#include "ui/main/ControlTips.h"
#include "EventPump.h"
#include "ui/main/TipWindow.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

using namespace std::chrono_literals;
using stillmark::ControlTips;
using stillmark::test::PumpEvents;
using stillmark::test::PumpUntil;

namespace {

// wxEntryStart makes a console application unless told otherwise: windows need a GUI one.
const bool guiApp = [] {
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    return true;
}();

TEST(ControlTipTable, HoldsTheNineteenControlsInOrderWithTheirTexts) {
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
    ASSERT_EQ(table.size(), 19u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table[i].first, expected[i].first) << "row " << i;
        EXPECT_EQ(table[i].second, expected[i].second) << "row " << i;
    }
}

struct PlaceCase {
    wxPoint pointer;
    wxPoint expected;
};

TEST(TipPlacement, BelowRightOfThePointerAndOnTheScreen) {
    const wxRect screen(0, 0, 1000, 800);
    const wxSize tip(200, 60);
    const std::vector<PlaceCase> cases = {
        {{100, 100}, {104, 120}}, // room enough: below and to the right
        {{950, 100}, {800, 120}}, // at the right edge: pulled left
        {{100, 780}, {104, 716}}, // at the bottom: above the pointer
        {{990, 790}, {800, 726}}, // in the corner: both
    };
    for (const auto& c : cases) {
        const wxPoint place = stillmark::TipWindow::PlaceBesidePointer(c.pointer, tip, screen);
        EXPECT_EQ(place, c.expected) << c.pointer.x << "," << c.pointer.y;
        EXPECT_TRUE(screen.Contains(wxRect(place, tip)));
    }
}

class TipsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "tips", wxPoint(0, 0), wxSize(400, 200));
        panel = new wxPanel(frame);
        closeButton = new wxButton(panel, 2, "Close", wxPoint(10, 10));
        aboutButton = new wxButton(panel, 4, "About...", wxPoint(150, 10));
        combo = new wxComboBox(panel, 2001, "", wxPoint(10, 60), wxDefaultSize, 0, nullptr, wxCB_DROPDOWN);
        label = new wxStaticText(panel, wxID_ANY, "Start Time", wxPoint(10, 120));
        frame->Show();
        PumpEvents(100ms);
        ASSERT_TRUE(tips.Create(frame));
        ASSERT_TRUE(tips.SetTitle(stillmark::TipIconInfo, "Stillmark"));
        tips.AddTool(closeButton, "Quits Stillmark");
        tips.AddTool(aboutButton, "See more info about Stillmark.");
        tips.AddTool(combo, "The time step when clicking on the up/down buttons");
        tips.SetDelays(200ms, 1500ms);
    }
    void TearDown() override {
        frame->Destroy();
        PumpEvents(50ms);
    }
    static wxPoint Centre(wxWindow* w) {
        return w->ClientToScreen(wxPoint(w->GetSize().x / 2, w->GetSize().y / 2));
    }
    void RelayOver(wxWindow* w) { tips.RelayEvent(w, Centre(w)); }

    ControlTips tips;
    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    wxButton* aboutButton = nullptr;
    wxComboBox* combo = nullptr;
    wxStaticText* label = nullptr;
};

TEST_F(TipsWindow, RegisteringAgainReplacesTheText) {
    tips.AddTool(closeButton, "first");
    tips.AddTool(closeButton, "Quits Stillmark");
    EXPECT_EQ(tips.ToolCount(), 3u);
    ASSERT_NE(tips.FindToolText(closeButton), nullptr);
    EXPECT_EQ(*tips.FindToolText(closeButton), "Quits Stillmark");
}

TEST_F(TipsWindow, ChildWindowsMapToTheirRegisteredControl) {
    auto* control = new wxPanel(panel, wxID_ANY, wxPoint(300, 10), wxSize(40, 40));
    auto* inner = new wxPanel(control, wxID_ANY); // stands for a control's inner part
    tips.AddTool(control, "composite");
    EXPECT_EQ(tips.FindTool(inner), control);
    EXPECT_EQ(tips.FindTool(closeButton), closeButton);
    EXPECT_EQ(tips.FindTool(label), nullptr);
    EXPECT_EQ(tips.FindTool(panel), nullptr);
}

TEST_F(TipsWindow, DestroyedControlsAreForgotten) {
    auto* gone = new wxButton(panel, wxID_ANY, "gone");
    tips.AddTool(gone, "x");
    EXPECT_EQ(tips.ToolCount(), 4u);
    gone->Destroy();
    PumpEvents(50ms);
    tips.AddTool(closeButton, "Quits Stillmark");
    EXPECT_EQ(tips.ToolCount(), 3u);
}

TEST_F(TipsWindow, RestingOnAControlShowsItsTipAfterTheDelay) {
    RelayOver(closeButton);
    PumpEvents(80ms);
    EXPECT_FALSE(tips.IsTipShown()); // not before the delay
    ASSERT_TRUE(PumpUntil([&] { return tips.IsTipShown(); }, 2s));
    EXPECT_EQ(tips.GetTipWindow()->GetTitle(), "Stillmark");
    EXPECT_EQ(tips.GetTipWindow()->GetText(), "Quits Stillmark");
    // Below and to the right of the pointer.
    const wxPoint tipAt = tips.GetTipWindow()->GetScreenPosition();
    EXPECT_GT(tipAt.y, Centre(closeButton).y);
    EXPECT_GE(tipAt.x, Centre(closeButton).x);
}

TEST_F(TipsWindow, MovingToAnotherControlChangesTheTipAtOnce) {
    RelayOver(closeButton);
    ASSERT_TRUE(PumpUntil([&] { return tips.IsTipShown(); }, 2s));
    RelayOver(aboutButton);
    EXPECT_TRUE(tips.IsTipShown());
    EXPECT_EQ(tips.GetTipWindow()->GetText(), "See more info about Stillmark.");
}

TEST_F(TipsWindow, LabelsShowNothingAndLeavingHidesTheTip) {
    RelayOver(label);
    PumpEvents(400ms);
    EXPECT_FALSE(tips.IsTipShown());
    RelayOver(closeButton);
    ASSERT_TRUE(PumpUntil([&] { return tips.IsTipShown(); }, 2s));
    RelayOver(label);
    EXPECT_FALSE(tips.IsTipShown());
}

TEST_F(TipsWindow, NothingRelayedShowsNothingAndAShownTipHidesByItself) {
    PumpEvents(400ms);
    EXPECT_FALSE(tips.IsTipShown());
    RelayOver(combo);
    ASSERT_TRUE(PumpUntil([&] { return tips.IsTipShown(); }, 2s));
    EXPECT_EQ(tips.GetTipWindow()->GetText(), "The time step when clicking on the up/down buttons");
    // Relaying stops (tips switched off): the tip goes after its time and no new one comes.
    ASSERT_TRUE(PumpUntil([&] { return !tips.IsTipShown(); }, 3s));
    PumpEvents(400ms);
    EXPECT_FALSE(tips.IsTipShown());
    // Still on the same control after the time-out: it does not come back until the pointer leaves.
    RelayOver(combo);
    PumpEvents(400ms);
    EXPECT_FALSE(tips.IsTipShown());
}

TEST_F(TipsWindow, AClickHidesTheTip) {
    RelayOver(closeButton);
    ASSERT_TRUE(PumpUntil([&] { return tips.IsTipShown(); }, 2s));
    wxMouseEvent press(wxEVT_LEFT_DOWN);
    press.SetEventObject(closeButton);
    closeButton->GetEventHandler()->ProcessEvent(press);
    EXPECT_FALSE(tips.IsTipShown());
}

TEST_F(TipsWindow, RealPointerMovesReachTheTipsThroughTheRelay) {
    bool relayOn = true;
    stillmark::MouseMoveRelay relay(frame, [&](wxWindow* window, const wxPoint& pointer) {
        if (relayOn) {
            tips.RelayEvent(window, pointer);
        }
    });
    wxUIActionSimulator sim;
    sim.MouseMove(Centre(aboutButton));
    PumpEvents(30ms);
    sim.MouseMove(Centre(aboutButton) + wxPoint(1, 1));
    ASSERT_TRUE(PumpUntil([&] { return tips.IsTipShown(); }, 3s));
    EXPECT_EQ(tips.GetTipWindow()->GetText(), "See more info about Stillmark.");
    // The tip window never takes the focus from the dialog's controls.
    EXPECT_NE(wxWindow::FindFocus(), tips.GetTipWindow());

    relayOn = false; // tips switched off
    sim.MouseMove(Centre(label));
    PumpEvents(50ms);
    sim.MouseMove(Centre(closeButton));
    PumpEvents(600ms);
    EXPECT_NE(tips.GetTipWindow()->GetText(), "Quits Stillmark");
}

} // namespace
