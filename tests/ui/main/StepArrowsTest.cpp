// The step arrows: which way each arrow and key steps, and holding an arrow.
#include "ui/main/StepArrows.h"
#include "EventPump.h"

#include <gtest/gtest.h>
#include <vector>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

using namespace std::chrono_literals;
using stillmark::StepArrows;
using stillmark::test::PumpEvents;

namespace {

class StepArrowsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "arrows", wxPoint(0, 0), wxSize(200, 100));
        auto* panel = new wxPanel(frame);
        before = new wxTextCtrl(panel, wxID_ANY, "", wxPoint(10, 10), wxSize(60, -1));
        arrows = new StepArrows(panel, wxID_ANY, wxPoint(80, 10), wxSize(-1, 34));
        after = new wxTextCtrl(panel, wxID_ANY, "", wxPoint(110, 10), wxSize(60, -1));
        panel->Bind(stillmark::EVT_STEP_ARROWS,
                    [this](wxCommandEvent& event) { steps.push_back(event.GetInt()); });
        frame->Show();
        PumpEvents(200ms);
    }
    void TearDown() override {
        frame->Destroy();
        PumpEvents(50ms);
    }
    wxPoint Arrow(bool up) const {
        const wxSize size = arrows->GetClientSize();
        return arrows->ClientToScreen(wxPoint(size.x / 2, up ? 2 : size.y - 3));
    }

    wxFrame* frame = nullptr;
    wxTextCtrl* before = nullptr;
    StepArrows* arrows = nullptr;
    wxTextCtrl* after = nullptr;
    std::vector<int> steps;
};

TEST_F(StepArrowsWindow, UpIsPlusOneAndDownMinusOneByPointerAndKeys) {
    EXPECT_TRUE(arrows->AcceptsFocusFromKeyboard());
    wxUIActionSimulator sim;
    for (bool up : {true, false}) {
        sim.MouseMove(Arrow(up));
        PumpEvents(50ms);
        sim.MouseClick();
        PumpEvents(100ms);
    }
    EXPECT_EQ(steps, (std::vector<int>{+1, -1}));
    steps.clear();
    for (int key : {WXK_UP, WXK_DOWN, WXK_NUMPAD_UP, WXK_LEFT}) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        event.SetEventObject(arrows);
        arrows->GetEventHandler()->ProcessEvent(event);
    }
    EXPECT_EQ(steps, (std::vector<int>{+1, -1, +1}));
}

// The control takes every key, Tab included: it must pass the focus on itself (on Windows nothing
// else would).
TEST_F(StepArrowsWindow, TabAndShiftTabMoveTheFocusOn) {
    for (const bool backward : {false, true}) {
        arrows->SetFocus();
        PumpEvents(100ms);
        ASSERT_EQ(wxWindow::FindFocus(), arrows);
        wxKeyEvent tab(wxEVT_KEY_DOWN);
        tab.m_keyCode = WXK_TAB;
        tab.SetShiftDown(backward);
        tab.SetEventObject(arrows);
        arrows->GetEventHandler()->ProcessEvent(tab);
        PumpEvents(100ms);
        EXPECT_EQ(wxWindow::FindFocus(), backward ? before : after) << (backward ? "Shift+Tab" : "Tab");
    }
}

TEST_F(StepArrowsWindow, HoldingAnArrowRepeatsUntilReleased) {
    wxUIActionSimulator sim;
    sim.MouseMove(Arrow(true));
    PumpEvents(100ms);
    sim.MouseDown();
    PumpEvents(120ms);
    EXPECT_EQ(steps.size(), 1u); // one step at once, no repeat before the first delay
    PumpEvents(600ms);
    sim.MouseUp();
    PumpEvents(100ms);
    const size_t held = steps.size();
    EXPECT_GE(held, 3u);
    EXPECT_LE(held, 10u);
    PumpEvents(300ms);
    EXPECT_EQ(steps.size(), held); // released: no more steps
}

} // namespace
