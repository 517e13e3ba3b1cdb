// The layout check itself finds each kind of clipping it promises, and passes a window that has none.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "EventPump.h"
#include "LayoutCheck.h"

using namespace stillmark::test;
using namespace std::chrono_literals;

namespace {

bool Mentions(const std::vector<std::string>& faults, const std::string& name, const std::string& what) {
    for (const std::string& fault : faults)
        if (fault.rfind(name, 0) == 0 && fault.find(what) != std::string::npos)
            return true;
    return false;
}

TEST(LayoutCheck, FindsEachKindOfClipping) {
    wxDialog dialog(nullptr, wxID_ANY, "Layout");
    dialog.SetSize(0, 0, 400, 300);
    const int line = dialog.GetCharHeight();
    auto* frame = new wxStaticBox(&dialog, wxID_ANY, "Frame", wxPoint(5, 5), wxSize(200, 150));
    // Inside the frame and fitting: no fault.
    auto* fits = new wxStaticText(&dialog, wxID_ANY, "Fits", wxPoint(20, 40));
    fits->SetName("fits");
    auto* narrow =
        new wxButton(&dialog, wxID_ANY, "A rather long caption", wxPoint(20, 80), wxSize(30, 3 * line));
    narrow->SetName("narrow");
    auto* flat = new wxTextCtrl(&dialog, wxID_ANY, "07:00", wxPoint(220, 10), wxSize(80, line / 2));
    flat->SetName("flat");
    auto* check =
        new wxCheckBox(&dialog, wxID_ANY, "Start Minimized", wxPoint(220, 60), wxSize(60, 2 * line));
    check->SetName("check");
    auto* outside = new wxStaticText(&dialog, wxID_ANY, "Out", wxPoint(380, 280), wxSize(100, 2 * line));
    outside->SetName("outside");
    auto* left = new wxStaticText(&dialog, wxID_ANY, "L", wxPoint(220, 200), wxSize(60, 2 * line));
    left->SetName("left");
    auto* right = new wxStaticText(&dialog, wxID_ANY, "R", wxPoint(250, 200), wxSize(60, 2 * line));
    right->SetName("right");
    // A frame that only partly covers a control is an overlap too.
    auto* across = new wxStaticText(&dialog, wxID_ANY, "X", wxPoint(180, 140), wxSize(40, 2 * line));
    across->SetName("across");
    auto* hidden = new wxButton(&dialog, wxID_ANY, "Hidden and clipped", wxPoint(0, 0), wxSize(5, 5));
    hidden->Hide();
    dialog.Show();
    PumpEvents(200ms);

    const std::vector<std::string> faults = FindClippedControls(dialog);
    EXPECT_TRUE(Mentions(faults, "narrow", "content needs"));
    EXPECT_TRUE(Mentions(faults, "flat", "content needs"));
    EXPECT_TRUE(Mentions(faults, "check", "content needs"));
    EXPECT_TRUE(Mentions(faults, "outside", "outside the client area"));
    EXPECT_TRUE(Mentions(faults, "left", "overlaps right"));
    EXPECT_TRUE(Mentions(faults, frame->GetName().utf8_string(), "overlaps across"));
    for (const std::string& fault : faults) {
        EXPECT_EQ(fault.find("fits"), std::string::npos) << fault;
        EXPECT_EQ(fault.find("Hidden"), std::string::npos) << fault;
    }
    EXPECT_TRUE(FindOtherFonts(dialog).empty());
    fits->SetFont(dialog.GetFont().Scaled(1.5f));
    ASSERT_EQ(FindOtherFonts(dialog).size(), 1u);
    EXPECT_TRUE(Mentions(FindOtherFonts(dialog), "fits", "draws in"));
}

} // namespace
