// The sound path field: fitting a path into a width, the real field, and the hand-over on leaving it.
#include "EventPump.h"
#include "ui/main/MyEdit.h"
#include "ui/main/SoundPathField.h"
#include "ui/main/SoundPathOwner.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/xrc/xmlres.h>

using namespace std::chrono_literals;
using stillmark::FitPathToWidth;
using stillmark::test::PumpEvents;

namespace {

// wxEntryStart makes a console application unless told otherwise: windows need a GUI one.
const bool guiApp = [] {
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    return true;
}();

// 7 pixels per character (not per byte).
int SevenPerCharacter(const std::string& s) {
    int characters = 0;
    for (char c : s) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return characters * 7;
}

struct FitCase {
    const char* name;
    std::string text;
    int width;
    std::string shown;
    bool shortened;
};

TEST(FitPathToWidth, ShowsTheLongestEndThatFits) {
    const std::vector<FitCase> cases = {
        {"fits exactly", "/home/a.wav", 77, "/home/a.wav", false},
        {"one pixel short", "/home/a.wav", 76, "...e/a.wav", true}, // 10 characters: 70 px
        {"one pixel short of ten", "/home/a.wav", 69, ".../a.wav", true},
        {"only the ellipsis fits", "/home/a.wav", 25, "...", true},
        {"narrower than the ellipsis", "/home/a.wav", 3, "...", true},
        {"empty text", "", 0, "", false},
        {"empty text, no room", "", -4, "", false},
        {"shortened text goes through again", ".../music/long.wav", 84, ".../long.wav", true},
        {"shortened text that fits", ".../x.wav", 70, ".../x.wav", false},
        {"multi-byte characters kept whole", "/m\xC3\xBCsik/\xE2\x99\xAA.wav", 70, "...k/\xE2\x99\xAA.wav",
         true},
        {"multi-byte at the cut", "/a/\xC3\xA9\xC3\xA9\xC3\xA9", 41, "...\xC3\xA9\xC3\xA9", true},
    };
    for (const auto& c : cases) {
        const auto fitted = FitPathToWidth(c.text, c.width, SevenPerCharacter);
        EXPECT_EQ(fitted.shown, c.shown) << c.name;
        EXPECT_EQ(fitted.shortened, c.shortened) << c.name;
        if (!c.text.empty() && fitted.shown != "...") {
            EXPECT_LE(SevenPerCharacter(fitted.shown), c.width) << c.name;
        }
    }
}

TEST(FitPathToWidth, LongPathsFitToThePixelWithUnevenWidths) {
    // Characters of different widths: every tail length is tried, the result is the widest that fits.
    const auto uneven = [](const std::string& s) {
        int w = 0;
        for (char c : s) {
            w += c == '/' ? 3 : (c == 'W' ? 11 : 6);
        }
        return w;
    };
    const std::string path = "/home/WWW/music/collection/Waves/Wind in the trees.wav";
    for (int width = 20; width < uneven(path); width += 7) {
        const auto fitted = FitPathToWidth(path, width, uneven);
        ASSERT_TRUE(fitted.shortened);
        ASSERT_EQ(fitted.shown.substr(0, 3), "...");
        const std::string tail = fitted.shown.substr(3);
        EXPECT_EQ(path.substr(path.size() - tail.size()), tail) << width;
        EXPECT_LE(uneven(fitted.shown), width) << width;
        if (tail.size() + 1 < path.size()) {
            // One character more would not fit.
            EXPECT_GT(uneven("..." + path.substr(path.size() - tail.size() - 1)), width) << width;
        }
    }
}

class OwnerPanel : public wxPanel, public stillmark::ISoundPathOwner {
public:
    explicit OwnerPanel(wxWindow* parent) : wxPanel(parent) {}
    bool ShowSoundPath(std::string text) override {
        received.push_back(text);
        return false;
    }
    std::vector<std::string> received;
};

class SoundField : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new wxFrame(nullptr, wxID_ANY, "sound", wxPoint(0, 0), wxSize(400, 120));
        owner = new OwnerPanel(frame);
        inner = new wxPanel(owner, wxID_ANY, wxPoint(0, 0), wxSize(380, 80));
        field = new CMyEdit(inner, 1005, "", wxPoint(10, 10), wxSize(230, -1), wxTE_RIGHT);
        field->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ++textEvents; });
        frame->Show();
        PumpEvents(150ms);
    }
    void TearDown() override {
        frame->Destroy();
        PumpEvents(50ms);
    }
    int Measure(const wxString& s) { return field->GetTextExtent(s).x; }

    wxFrame* frame = nullptr;
    OwnerPanel* owner = nullptr;
    wxPanel* inner = nullptr;
    CMyEdit* field = nullptr;
    int textEvents = 0;
};

TEST_F(SoundField, ALongPathShowsItsEndWithinTheTextArea) {
    const std::string path =
        "/home/user/Music/Collections/Relaxation/Nature sounds/Morning birds in the forest.wav";
    EXPECT_TRUE(stillmark::ShowFittedSoundPath(*field, path));
    const wxString shown = field->GetValue();
    ASSERT_TRUE(shown.StartsWith("..."));
    EXPECT_TRUE(path.ends_with(shown.Mid(3).utf8_string()));
    const int area = stillmark::TextAreaWidth(*field);
    EXPECT_GT(area, 150);
    EXPECT_LT(area, field->GetSize().x);
    EXPECT_LE(Measure(shown), area);
    // As long as it can be: one more character of the path would not fit.
    const std::string longer = "..." + path.substr(path.size() - shown.Mid(3).utf8_string().size() - 1);
    EXPECT_GT(Measure(wxString::FromUTF8(longer)), area);
    EXPECT_EQ(field->GetInsertionPoint(), field->GetLastPosition());
    EXPECT_EQ(textEvents, 0);
}

TEST_F(SoundField, AShortPathShowsWhole) {
    EXPECT_FALSE(stillmark::ShowFittedSoundPath(*field, "/tmp/a.wav"));
    EXPECT_EQ(field->GetValue(), "/tmp/a.wav");
    EXPECT_FALSE(stillmark::ShowFittedSoundPath(*field, ""));
    EXPECT_EQ(field->GetValue(), "");
}

TEST_F(SoundField, AHiddenFieldIsMeasuredLikeAShownOne) {
    // A dialog fills its fields before it is first shown.
    auto* hidden = new wxTextCtrl(inner, wxID_ANY, "", wxPoint(10, 40), field->GetSize());
    hidden->Hide();
    EXPECT_EQ(stillmark::TextAreaWidth(*hidden), stillmark::TextAreaWidth(*field));
}

TEST_F(SoundField, LeavingTheFieldHandsItsTextToTheOwner) {
    field->ChangeValue("Default");
    wxFocusEvent leave(wxEVT_KILL_FOCUS, field->GetId());
    leave.SetEventObject(field);
    field->GetEventHandler()->ProcessEvent(leave);
    ASSERT_EQ(owner->received.size(), 1u);
    EXPECT_EQ(owner->received[0], "Default");
}

TEST_F(SoundField, WithoutAnOwnerLeavingDoesNothing) {
    auto* lonely = new CMyEdit(frame, wxID_ANY, "x");
    wxFocusEvent leave(wxEVT_KILL_FOCUS, lonely->GetId());
    leave.SetEventObject(lonely);
    lonely->GetEventHandler()->ProcessEvent(leave);
    EXPECT_TRUE(owner->received.empty());
}

TEST_F(SoundField, AResourceCreatesTheFieldAsCMyEdit) {
    const char* xrc = R"(<?xml version="1.0"?>
<resource xmlns="http://www.wxwidgets.org/wxxrc" version="2.5.3.0">
  <object class="wxPanel" name="panel">
    <object class="wxTextCtrl" name="1005" subclass="CMyEdit">
      <pos>12,115d</pos><size>133,12d</size><style>wxTE_RIGHT</style>
    </object>
  </object>
</resource>)";
    const wxString base = wxFileName::CreateTempFileName("soundpath");
    const wxString path = base + ".xrc";
    {
        wxFile file(path, wxFile::write);
        ASSERT_TRUE(file.Write(xrc));
    }
    wxXmlResource resource;
    resource.InitAllHandlers();
    ASSERT_TRUE(resource.LoadFile(wxFileName(path)));
    wxPanel* loaded = resource.LoadPanel(owner, "panel");
    wxRemoveFile(path);
    wxRemoveFile(base);
    ASSERT_NE(loaded, nullptr);
    auto* edit = dynamic_cast<CMyEdit*>(loaded->FindWindow(1005));
    ASSERT_NE(edit, nullptr);
    edit->ChangeValue("/tmp/b.wav");
    wxFocusEvent leave(wxEVT_KILL_FOCUS, edit->GetId());
    leave.SetEventObject(edit);
    edit->GetEventHandler()->ProcessEvent(leave);
    ASSERT_EQ(owner->received.size(), 1u);
    EXPECT_EQ(owner->received[0], "/tmp/b.wav");
}

} // namespace
