// The sound path field: a long path shows its end after "...", measured in the real field; leaving
// the field hands its text over.
#include "ui/main/SoundPathField.h"
#include "EventPump.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

using namespace std::chrono_literals;
using namespace stillmark;
using stillmark::test::PumpEvents;

namespace {

class SoundField : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "sound", wxPoint(0, 0), wxSize(400, 120));
        panel = new wxPanel(frame, wxID_ANY, wxPoint(0, 0), wxSize(380, 80));
        text = new wxTextCtrl(panel, wxID_ANY, "", wxPoint(10, 10), wxSize(230, -1), wxTE_RIGHT);
        text->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ++textEvents; });
        field = std::make_unique<SoundPathField>(*text, [this](const std::string& s) { left.push_back(s); });
        frame->Show();
        PumpEvents(150ms);
    }
    void TearDown() override {
        field.reset();
        frame->Destroy();
        PumpEvents(50ms);
    }
    int Measure(const wxString& s) { return text->GetTextExtent(s).x; }

    wxFrame* frame = nullptr;
    wxPanel* panel = nullptr;
    wxTextCtrl* text = nullptr;
    std::unique_ptr<SoundPathField> field;
    std::vector<std::string> left;
    int textEvents = 0;
};

TEST_F(SoundField, ALongPathShowsItsEndWithinTheTextArea) {
    const std::vector<std::string> paths = {
        "/home/user/Music/Collections/Relaxation/Nature sounds/Morning birds in the forest.wav",
        "/home/j\xC3\xBCrgen/M\xC3\xBCsik/\xE2\x99\xAA Gl\xC3\xB6"
        "ckchen & Klang/\xE2\x99\xAA\xE2\x99\xAA "
        "Abendl\xC3\xA4uten.wav",
    };
    const int area = TextAreaWidth(*text);
    EXPECT_GT(area, 150);
    EXPECT_LT(area, text->GetSize().x);
    for (const std::string& path : paths) {
        EXPECT_TRUE(field->Show(path));
        const wxString shown = text->GetValue();
        ASSERT_TRUE(shown.StartsWith("...")) << shown;
        EXPECT_TRUE(path.ends_with(shown.Mid(3).utf8_string())) << shown << " ends the path";
        EXPECT_TRUE(shown.EndsWith(".wav"));
        EXPECT_LE(Measure(shown), area);
        EXPECT_GT(shown.length(), 12u) << "the end shown fills the field";
        EXPECT_EQ(text->GetInsertionPoint(), text->GetLastPosition());
    }
    EXPECT_EQ(textEvents, 0);
}

TEST_F(SoundField, AShortPathShowsWhole) {
    EXPECT_FALSE(field->Show("/tmp/a&b.wav"));
    EXPECT_EQ(text->GetValue(), "/tmp/a&b.wav");
    EXPECT_FALSE(field->Show(""));
    EXPECT_EQ(text->GetValue(), "");
    EXPECT_FALSE(IsShortenedPath("/tmp/a.wav"));
    EXPECT_TRUE(IsShortenedPath(".../a.wav"));
}

TEST_F(SoundField, AHiddenFieldIsMeasuredLikeAShownOne) {
    // A window fills its fields before it is first shown.
    auto* hidden = new wxTextCtrl(panel, wxID_ANY, "", wxPoint(10, 40), text->GetSize());
    hidden->Hide();
    EXPECT_EQ(TextAreaWidth(*hidden), TextAreaWidth(*text));
}

TEST_F(SoundField, LeavingTheFieldHandsItsTextOver) {
    text->ChangeValue("Default");
    wxFocusEvent leave(wxEVT_KILL_FOCUS, text->GetId());
    leave.SetEventObject(text);
    text->GetEventHandler()->ProcessEvent(leave);
    EXPECT_EQ(left, std::vector<std::string>{"Default"});
}

} // namespace
