// The up-down control: its position logic, its notification, its buddy field and its mouse repeat.
#include "ui/main/UpDownControl.h"
#include "EventPump.h"

#include <gtest/gtest.h>
#include <vector>
#include <wx/app.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

using namespace std::chrono_literals;
using namespace stillmark;

namespace {

// wxEntryStart makes a console application unless told otherwise: windows need a GUI one.
const bool guiApp = [] {
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    return true;
}();

struct DeltaCase {
    int lower, upper, direction, expected;
};

TEST(UpDownRange, ArrowsProposeTheDeltaOfTheRangesDirection) {
    const std::vector<DeltaCase> cases = {
        {100, 0, +1, -1}, // the default range: the up arrow proposes a negative change
        {100, 0, -1, +1}, {1, 40, +1, +1}, {1, 40, -1, -1}, {40, 1, +1, -1},
    };
    for (const auto& c : cases) {
        UpDownRange range{c.lower, c.upper, 0, false};
        EXPECT_EQ(range.ProposedDelta(c.direction), c.expected)
            << c.lower << ".." << c.upper << " dir " << c.direction;
    }
}

struct OffsetCase {
    int pos;
    bool wrap;
    int delta;
    int expectedPos;
    bool moved;
};

TEST(UpDownRange, OffsetWrapsOrStopsAtTheEnds) {
    const std::vector<OffsetCase> cases = {
        {40, true, +1, 1, true},    {1, true, -1, 40, true},          {20, true, +1, 21, true},
        {40, false, +1, 40, false}, {1, false, -1, 1, false},         {39, false, +5, 40, true},
        {40, true, 0, 40, false},   {5, false, 2147483647, 40, true},
    };
    for (const auto& c : cases) {
        UpDownRange range{1, 40, c.pos, c.wrap};
        EXPECT_EQ(range.Offset(c.delta), c.moved) << c.pos << " + " << c.delta;
        EXPECT_EQ(range.pos, c.expectedPos) << c.pos << " + " << c.delta << (c.wrap ? " wrap" : "");
    }
}

class UpDownWindow : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "up-down", wxPoint(0, 0), wxSize(200, 100));
        panel = new wxPanel(frame);
        buddy = new wxTextCtrl(panel, 1009, "", wxPoint(10, 10), wxSize(60, -1));
        spin = new UpDownControl(panel, 1008, wxPoint(80, 10), wxDefaultSize,
                                 UD_WRAP | UD_BUDDY_NUMBER | UD_ARROW_KEYS);
        panel->Bind(EVT_UPDOWN_STEP, [this](UpDownEvent& event) {
            deltas.push_back(event.GetDelta());
            if (veto) {
                event.Veto();
            }
        });
        buddy->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ++textEvents; });
        frame->Show();
    }
    void TearDown() override {
        frame->Destroy();
        stillmark::test::PumpEvents(50ms);
    }

    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    wxTextCtrl* buddy = nullptr;
    UpDownControl* spin = nullptr;
    std::vector<int> deltas;
    bool veto = false;
    int textEvents = 0;
};

TEST_F(UpDownWindow, WithoutRangeTheUpArrowProposesMinusOne) {
    spin->Step(+1);
    spin->Step(-1);
    EXPECT_EQ(deltas, (std::vector<int>{-1, +1}));
}

TEST_F(UpDownWindow, CountsUpWithWrapAndWritesTheBuddy) {
    spin->SetRange(1, 40);
    spin->SetBuddy(buddy);
    spin->SetPos(40);
    EXPECT_TRUE(spin->Step(+1));
    EXPECT_EQ(spin->GetPos(), 1);
    EXPECT_EQ(buddy->GetValue(), "1");
    EXPECT_EQ(textEvents, 1); // the buddy's owner hears of the new number
    EXPECT_TRUE(spin->Step(-1));
    EXPECT_EQ(spin->GetPos(), 40);
    EXPECT_EQ(buddy->GetValue(), "40");
    EXPECT_EQ(deltas, (std::vector<int>{+1, -1}));
}

TEST_F(UpDownWindow, VetoKeepsPositionAndBuddy) {
    spin->SetRange(1, 40);
    spin->SetBuddy(buddy);
    spin->SetPos(5);
    buddy->ChangeValue("5");
    veto = true;
    EXPECT_FALSE(spin->Step(+1));
    EXPECT_EQ(spin->GetPos(), 5);
    EXPECT_EQ(buddy->GetValue(), "5");
    EXPECT_EQ(textEvents, 0);
}

TEST_F(UpDownWindow, StepsFromTheNumberTypedIntoTheBuddy) {
    spin->SetRange(1, 40);
    spin->SetBuddy(buddy);
    spin->SetPos(3);
    buddy->ChangeValue("17");
    spin->Step(+1);
    EXPECT_EQ(buddy->GetValue(), "18");
    buddy->ChangeValue("99"); // out of range: taken as the nearest end
    spin->Step(+1);
    EXPECT_EQ(buddy->GetValue(), "1");
}

TEST_F(UpDownWindow, SetPosClampsWithoutTouchingTheBuddy) {
    spin->SetRange(1, 40);
    spin->SetBuddy(buddy);
    buddy->ChangeValue("55");
    spin->SetPos(55);
    EXPECT_EQ(spin->GetPos(), 40);
    EXPECT_EQ(buddy->GetValue(), "55");
    EXPECT_EQ(textEvents, 0);
}

TEST_F(UpDownWindow, ArrowKeysInTheBuddyStep) {
    spin->SetRange(1, 40);
    spin->SetBuddy(buddy);
    spin->SetPos(10);
    for (int key : {WXK_UP, WXK_UP, WXK_DOWN}) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        event.SetEventObject(buddy);
        buddy->GetEventHandler()->ProcessEvent(event);
    }
    EXPECT_EQ(spin->GetPos(), 11);
    EXPECT_EQ(deltas.size(), 3u);
}

TEST_F(UpDownWindow, BuddyDestroyedFirstIsForgotten) {
    spin->SetBuddy(buddy);
    buddy->Destroy();
    EXPECT_EQ(spin->GetBuddy(), nullptr);
    spin->Step(+1); // must not touch the destroyed field
}

TEST_F(UpDownWindow, FitsBesideAFieldAndTakesNoFocus) {
    const wxSize size = spin->GetSize();
    EXPECT_LE(size.x, 24);
    EXPECT_LE(size.y, 26);
    EXPECT_FALSE(spin->AcceptsFocusFromKeyboard());
}

TEST_F(UpDownWindow, HoldingTheUpArrowRepeats) {
    spin->SetRange(1, 40);
    spin->SetBuddy(buddy);
    spin->SetPos(1);
    stillmark::test::PumpEvents(200ms);
    wxUIActionSimulator sim;
    const wxPoint upArrow = spin->ClientToScreen(wxPoint(spin->GetClientSize().x / 2, 2));
    sim.MouseMove(upArrow);
    stillmark::test::PumpEvents(100ms);
    sim.MouseDown();
    stillmark::test::PumpEvents(120ms);
    EXPECT_EQ(deltas.size(), 1u); // one step at once, no repeat before the first delay
    stillmark::test::PumpEvents(600ms);
    sim.MouseUp();
    stillmark::test::PumpEvents(100ms);
    const size_t held = deltas.size();
    EXPECT_GE(held, 3u);
    EXPECT_LE(held, 10u);
    EXPECT_EQ(buddy->GetValue(), wxString::Format("%d", spin->GetPos()));
    stillmark::test::PumpEvents(300ms);
    EXPECT_EQ(deltas.size(), held); // released: no more steps

    const wxPoint downArrow =
        spin->ClientToScreen(wxPoint(spin->GetClientSize().x / 2, spin->GetClientSize().y - 2));
    sim.MouseMove(downArrow);
    stillmark::test::PumpEvents(50ms);
    sim.MouseClick();
    stillmark::test::PumpEvents(100ms);
    EXPECT_EQ(deltas.back(), -1);
}

TEST(UpDownXrc, CreatesTheControlFromAResource) {
    const char* xrc = R"(<?xml version="1.0"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="panel">
    <object class="wxTextCtrl" name="count"><pos>10,10d</pos><size>23,12d</size></object>
    <object class="UpDownControl" name="count_spin">
      <pos>40,10d</pos><size>13,12d</size>
      <style>UD_WRAP|UD_BUDDY_NUMBER|UD_ARROW_KEYS|wxBORDER_STATIC</style>
    </object>
  </object>
</resource>)";
    wxXmlResource resource;
    resource.AddHandler(new UpDownControlXmlHandler);
    resource.InitAllHandlers();
    const wxString base = wxFileName::CreateTempFileName("updown");
    const wxString path = base + ".xrc";
    {
        wxFile file(path, wxFile::write);
        ASSERT_TRUE(file.Write(xrc));
    }
    ASSERT_TRUE(resource.LoadFile(wxFileName(path)));

    auto* frame = new wxFrame(nullptr, wxID_ANY, "xrc");
    wxPanel* panel = resource.LoadPanel(frame, "panel");
    ASSERT_NE(panel, nullptr);
    auto* spin = dynamic_cast<UpDownControl*>(panel->FindWindow(XRCID("count_spin")));
    ASSERT_NE(spin, nullptr);
    EXPECT_TRUE(spin->HasFlag(UD_WRAP));
    EXPECT_TRUE(spin->HasFlag(UD_BUDDY_NUMBER));
    EXPECT_TRUE(spin->HasFlag(UD_ARROW_KEYS));
    EXPECT_EQ(spin->GetSize(), panel->ConvertDialogToPixels(wxSize(13, 12)));
    frame->Destroy();
    wxRemoveFile(path);
    wxRemoveFile(base);
    stillmark::test::PumpEvents(50ms);
}

} // namespace
