// The About box, its link and the donation window on a real (virtual) display.
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/hyperlink.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "EventPump.h"
#include "InfoTestSupport.h"
#include "ui/info/AboutBox.h"
#include "ui/info/ContactTarget.h"
#include "ui/info/DonateLayout.h"

using namespace stillmark;
using namespace stillmark::test;
using namespace std::chrono_literals;

namespace {

const std::string kExpectedAbout = "Often when doing programming one forgets the time and the necessity to "
                                   "take a break a regular intervals. "
                                   "Stillmark will gently tell you it's time for this. Stretch your legs and "
                                   "get a coffee. While nipping on your "
                                   "drink ponder upon the way you are tackling the problem. Many times you "
                                   "find a better and easier way saving "
                                   "you time and effort." +
                                   std::string(29, ' ') + "Enjoy !";

// The folder of the test executable: the page and the web view module are built there.
std::filesystem::path BuildDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path();
}

void PressEscape(wxWindow* window) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_ESCAPE;
    key.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(key);
}

void Click(wxWindow* dialog, int id) {
    auto* button = dynamic_cast<wxButton*>(dialog->FindWindow(id));
    ASSERT_NE(button, nullptr);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

void ClickLink(wxGenericHyperlinkCtrl* link) {
    wxHyperlinkEvent click(link, link->GetId(), link->GetURL());
    link->GetEventHandler()->ProcessEvent(click);
}

int AboutId() {
    return XRCID("about_box");
}
int DonationId() {
    return XRCID("donation_window");
}

TEST(AboutText, Has377Characters) {
    EXPECT_EQ(kExpectedAbout.size(), 377u);
}

TEST(InfoDialogs, AboutBoxEscapeOpensTheDonationWindowAndOnlyOkCloses) {
    RecordingInfoServices info(BuildDir());
    const std::string welcome = (BuildDir() / "Welcome.wma").string();
    wxDialog owner(nullptr, wxID_ANY, "Main");
    owner.SetSize(10, 10, 200, 100);
    owner.Show();

    AboutBox* about = nullptr;
    wxDialog* donate = nullptr;
    std::vector<ModalDriver::Step> steps = {
        {"about shown",
         [&] { return (about = dynamic_cast<AboutBox*>(FindShownDialog(AboutId()))) != nullptr; },
         [&] {
             EXPECT_EQ(about->GetTitle(), "About...");
             EXPECT_EQ(info.engine.calls,
                       (std::vector<std::string>{"StopMedia", "CloseMedia", "OpenMedia " + welcome,
                                                 "PlayMediaFromStart"}));
             auto* text = XRCCTRL(*about, "about_text", wxTextCtrl);
             ASSERT_NE(text, nullptr);
             EXPECT_EQ(text->GetValue().utf8_string(), kExpectedAbout);
             EXPECT_TRUE(text->IsEditable());
             EXPECT_EQ(dynamic_cast<wxButton*>(about->FindWindow(wxID_CANCEL))->GetLabel(), "Donate");
             text->ChangeValue("typed over"); // must not survive to the next opening
             PressEscape(about);
         }},
        {"donation window shown", [&] { return (donate = FindShownDialog(DonationId())) != nullptr; },
         [&] {
             EXPECT_TRUE(about->IsShown()); // stays open underneath
             EXPECT_EQ(donate->GetTitle(), "Donate");
             const DonateLayout layout = ComputeDonateLayout(wxDisplay(0u).GetClientArea().height);
             EXPECT_EQ(donate->GetSize(), wxSize(layout.windowWidth, layout.windowHeight));
             ASSERT_NE(about->Donation(), nullptr);
             ASSERT_NE(about->Donation()->View(), nullptr);
             wxWindow* view = about->Donation()->View()->GetWindow();
             EXPECT_EQ(donate->FindWindow(XRCID("page_placeholder")), nullptr) << "the view replaces it";
             EXPECT_EQ(XRCCTRL(*donate, "scroll_hint", wxStaticText)->IsShown(), layout.showHint);
             // The view fills the window above the button row; OK spans it less 5 px each side or
             // sits centred with its own width.
             const wxRect ok = donate->FindWindow(wxID_OK)->GetRect();
             const wxSize client = donate->GetClientSize();
             EXPECT_EQ(view->GetRect(), wxRect(0, 0, client.x, ok.y - 5));
             EXPECT_EQ(ok.GetBottom() + 1, client.y - 5);
             if (layout.okWidth == 0) {
                 EXPECT_EQ(ok.x, 5);
                 EXPECT_EQ(ok.width, client.x - 10);
             } else {
                 EXPECT_EQ(ok.width, layout.okWidth);
                 EXPECT_NEAR(ok.x + ok.width / 2, client.x / 2, 1);
             }
             Click(donate, wxID_OK);
             EXPECT_EQ(about->Donation()->View(), nullptr) << "OK releases the view at once";
         }},
        {"donation window closed by OK", [&] { return FindShownDialog(DonationId()) == nullptr; },
         [&] {
             EXPECT_TRUE(about->IsShown());
             EXPECT_TRUE(PumpUntil(
                 [&] {
                     wxWindow* focus = wxWindow::FindFocus();
                     return focus && about->IsDescendant(focus);
                 },
                 2s))
                 << "the focus comes back to the About box";
             about->Close(); // the close request is the cancel command: the donation window again
         }},
        {"donation window shown again", [&] { return (donate = FindShownDialog(DonationId())) != nullptr; },
         [&] {
             EXPECT_NE(about->Donation()->View(), nullptr) << "a new view for each opening";
             PressEscape(donate);
         }},
        {"donation window cancelled", [&] { return FindShownDialog(DonationId()) == nullptr; },
         [&] {
             EXPECT_EQ(about->Donation(), nullptr);
             EXPECT_TRUE(about->IsShown());
             Click(about, wxID_OK);
         }},
    };
    ModalDriver driver(steps);
    ShowAboutBox(&owner, info.services);
    EXPECT_FALSE(driver.TimedOut()) << "stuck at: " << driver.Pending();
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(info.messages.shown.empty());

    // A second opening starts afresh: the text again, the welcome sound again.
    info.engine.calls.clear();
    ModalDriver again(
        {{"about shown again", [&] { return (about = dynamic_cast<AboutBox*>(FindShownDialog(AboutId()))); },
          [&] {
              EXPECT_EQ(XRCCTRL(*about, "about_text", wxTextCtrl)->GetValue().utf8_string(), kExpectedAbout);
              EXPECT_EQ(info.engine.calls.size(), 4u);
              Click(about, wxID_OK);
          }}});
    ShowAboutBox(&owner, info.services);
    EXPECT_TRUE(again.Finished());
}

TEST(InfoDialogs, AboutBoxOverAHiddenOwnerIsCentredOnTheScreen) {
    RecordingInfoServices info(BuildDir());
    wxDialog owner(nullptr, wxID_ANY, "Main in the notification area");
    owner.SetSize(0, 0, 200, 100);
    wxDialog* about = nullptr;
    ModalDriver driver({{"about shown", [&] { return (about = FindShownDialog(AboutId())) != nullptr; },
                         [&] {
                             EXPECT_FALSE(owner.IsShown());
                             const wxRect screen = wxDisplay(0u).GetGeometry();
                             const wxRect box = about->GetScreenRect();
                             EXPECT_NEAR(box.x + box.width / 2, screen.x + screen.width / 2, 2);
                             EXPECT_NEAR(box.y + box.height / 2, screen.y + screen.height / 2, 2);
                             Click(about, wxID_OK);
                         }}});
    ShowAboutBox(&owner, info.services);
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(owner.IsShown());
}

TEST(InfoDialogs, ASecondAboutBringsTheOpenBoxForward) {
    RecordingInfoServices info(BuildDir());
    wxDialog owner(nullptr, wxID_ANY, "Main");
    AboutBoxOpener opener(info.services);
    wxDialog* about = nullptr;
    ModalDriver driver({{"about shown", [&] { return (about = FindShownDialog(AboutId())) != nullptr; },
                         [&] {
                             opener.Show(&owner); // returns at once
                             opener.Show(&owner);
                             int shown = 0;
                             for (wxWindow* window : wxTopLevelWindows)
                                 shown += dynamic_cast<AboutBox*>(window) && window->IsShown();
                             EXPECT_EQ(shown, 1);
                             Click(about, wxID_OK);
                         }}});
    opener.Show(&owner);
    EXPECT_TRUE(driver.Finished());
}

TEST(InfoDialogs, DonationWindowWithoutAViewShowsThePlaceholderAndStaysUsable) {
    RecordingInfoServices info(BuildDir());
    DonationWindow donate(nullptr, info.services, [] { return std::unique_ptr<HtmlView>(); });
    auto* placeholder = XRCCTRL(donate, "page_placeholder", wxStaticText);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->GetLabel(), "Html Static");
    ModalDriver driver({{"donation window shown", [] { return FindShownDialog(DonationId()) != nullptr; },
                         [&] { Click(&donate, wxID_OK); }}});
    EXPECT_EQ(donate.ShowModal(), wxID_OK);
    EXPECT_TRUE(driver.Finished());
}

class ContactLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        about = new AboutBox(nullptr, info.services);
        about->Show();
        link = about->ContactLink();
        ASSERT_NE(link, nullptr);
        PumpEvents(50ms);
    }
    void TearDown() override {
        about->Destroy();
        PumpEvents(20ms);
    }
    RecordingInfoServices info{BuildDir()};
    AboutBox* about = nullptr;
    wxGenericHyperlinkCtrl* link = nullptr;
};

TEST_F(ContactLinkTest, ShowsContactMeWithTheBuildsTargetInTheLinkColours) {
    const std::string target = ContactTarget(BuildContact(), BuildDir());
    EXPECT_EQ(link->GetLabel(), "Contact me");
    EXPECT_EQ(link->GetURL().utf8_string(), target);
    EXPECT_EQ(link->GetToolTipText().utf8_string(), target);
    EXPECT_EQ(link->GetNormalColour(), wxColour(0, 0, 238));
    EXPECT_EQ(link->GetVisitedColour(), wxColour(85, 26, 139));
    EXPECT_EQ(link->GetHoverColour(), wxColour(255, 0, 0));
    EXPECT_FALSE(link->GetFont().GetUnderlined()) << "underlined only under the pointer";
    wxMouseEvent enter(wxEVT_ENTER_WINDOW);
    enter.SetEventObject(link);
    link->GetEventHandler()->ProcessEvent(enter);
    wxMouseEvent move(wxEVT_MOTION);
    move.SetEventObject(link);
    move.SetPosition(wxPoint(2, 2));
    link->GetEventHandler()->ProcessEvent(move);
    EXPECT_TRUE(link->GetFont().GetUnderlined());
    EXPECT_EQ(link->GetForegroundColour(), wxColour(255, 0, 0));
    wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
    leave.SetEventObject(link);
    link->GetEventHandler()->ProcessEvent(leave);
    EXPECT_FALSE(link->GetFont().GetUnderlined());
    EXPECT_EQ(link->GetForegroundColour(), wxColour(0, 0, 238));
}

TEST_F(ContactLinkTest, ClickOpensTheTargetThroughTheOpenerAndTurnsVisited) {
    ClickLink(link);
    EXPECT_EQ(info.opener.opened, std::vector<std::string>{link->GetURL().utf8_string()});
    EXPECT_TRUE(link->GetVisited());
    EXPECT_EQ(link->GetForegroundColour(), wxColour(85, 26, 139));
    EXPECT_TRUE(info.messages.shown.empty());
}

TEST_F(ContactLinkTest, FailedClickExplainsAndLeavesTheLinkUnvisited) {
    ClickLink(link);
    info.opener.answer = OpenResult::AccessDenied;
    ClickLink(link);
    EXPECT_FALSE(link->GetVisited());
    EXPECT_EQ(link->GetForegroundColour(), wxColour(0, 0, 238));
    ASSERT_EQ(info.messages.shown.size(), 1u);
    EXPECT_EQ(info.messages.shown[0], OpenErrorMessage(OpenResult::AccessDenied));
    EXPECT_EQ(info.messages.icons[0], MessageIcon::Exclamation);
}

} // namespace
