// The About box, the donation window and the hyperlink on a real (virtual) display.
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/filefn.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "EventPump.h"
#include "InfoTestSupport.h"
#include "ui/info/About.h"
#include "ui/info/AboutBox.h"
#include "ui/info/Donate.h"
#include "ui/info/DonateLayout.h"
#include "ui/info/HyperLink.h"
#include "ui/info/LinkRules.h"

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
std::string BuildDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().string();
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

class InfoDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAppMessageBox(&messages);
        SetAppProcessStarter(&starter);
    }
    void TearDown() override {
        SetAppMessageBox(nullptr);
        SetAppProcessStarter(nullptr);
    }
    RecordingMessageBox messages;
    RecordingStarter starter;
};

TEST(AboutText, Has377Characters) {
    EXPECT_EQ(kExpectedAbout.size(), 377u);
}

TEST_F(InfoDialogsTest, AboutBoxEscapeOpensTheDonationWindowAndOnlyOkCloses) {
    const std::string dir = BuildDir() + "/"; // a trailing separator must not double in the page path
    RecordingHost host(dir);
    wxDialog owner(nullptr, wxID_ANY, "Main");
    owner.SetSize(10, 10, 200, 100);
    owner.Show();

    wxDialog* about = nullptr;
    wxDialog* donate = nullptr;
    std::vector<ModalDriver::Step> steps = {
        {"about shown", [&] { return (about = FindShownDialog(1050)) != nullptr; },
         [&] {
             EXPECT_EQ(about->GetTitle(), "About...");
             EXPECT_EQ(host.calls, (std::vector<std::string>{"open Welcome.wma", "play Welcome.wma"}));
             EXPECT_EQ(wxGetCwd().utf8_string() + "/", dir);
             auto* text = dynamic_cast<wxTextCtrl*>(about->FindWindow(2005));
             ASSERT_NE(text, nullptr);
             EXPECT_EQ(text->GetValue().utf8_string(), kExpectedAbout);
             EXPECT_TRUE(text->IsEditable());
             auto* link = dynamic_cast<CHyperLink*>(about->FindWindow(2007));
             ASSERT_NE(link, nullptr);
             EXPECT_EQ(link->GetLabel(), "Contact me");
             EXPECT_EQ(link->GetTarget(), CAbout::kContactTarget);
             EXPECT_EQ(dynamic_cast<wxButton*>(about->FindWindow(wxID_CANCEL))->GetLabel(), "Donate");
             text->ChangeValue("typed over"); // must not survive to the next opening
             PressEscape(about);
         }},
        {"donation window shown", [&] { return (donate = FindShownDialog(1052)) != nullptr; },
         [&] {
             EXPECT_TRUE(about->IsShown()); // stays open underneath
             EXPECT_EQ(donate->GetTitle(), "Donate");
             const int workArea = wxDisplay(0u).GetClientArea().height;
             const DonateLayout layout = ComputeDonateLayout(workArea);
             EXPECT_EQ(donate->GetSize(), wxSize(layout.windowWidth, layout.windowHeight));
             wxWindow* view = donate->FindWindow(CDonate::kViewId);
             ASSERT_NE(view, nullptr);
             EXPECT_EQ(dynamic_cast<wxStaticText*>(view), nullptr) << "the view replaces the placeholder";
             ASSERT_NE(DonationWindow().GetView(), nullptr);
             EXPECT_EQ(DonationWindow().GetView()->GetWindow(), view);
             EXPECT_EQ(donate->FindWindow(CDonate::kHintId)->IsShown(), layout.showHint);
             // The OK button spans the window less the inset on each side, 5 px above its bottom.
             const wxRect ok = donate->FindWindow(wxID_OK)->GetScreenRect();
             const wxRect window = donate->GetScreenRect();
             EXPECT_EQ(ok.GetLeft(), window.GetLeft() + layout.okInset);
             EXPECT_EQ(ok.GetRight() + 1, window.GetRight() + 1 - layout.okInset);
             EXPECT_EQ(ok.GetBottom() + 1, window.GetBottom() + 1 - 5);
             Click(donate, wxID_OK);
             EXPECT_EQ(DonationWindow().GetView(), nullptr) << "OK releases the view at once";
         }},
        {"donation window closed by OK", [&] { return FindShownDialog(1052) == nullptr; },
         [&] {
             EXPECT_TRUE(about->IsShown());
             about->Close(); // the close request is the cancel command: the donation window again
         }},
        {"donation window shown again", [&] { return (donate = FindShownDialog(1052)) != nullptr; },
         [&] {
             EXPECT_NE(DonationWindow().GetView(), nullptr) << "a new view for each opening";
             PressEscape(donate);
         }},
        {"donation window cancelled", [&] { return FindShownDialog(1052) == nullptr; },
         [&] {
             EXPECT_EQ(DonationWindow().GetView(), nullptr) << "released with the window";
             EXPECT_TRUE(about->IsShown());
             Click(about, wxID_OK);
         }},
    };
    ModalDriver driver(steps);
    ShowAboutBox(&owner, host);
    EXPECT_FALSE(driver.TimedOut()) << "stuck at: " << driver.Pending();
    EXPECT_TRUE(driver.Finished());

    // A second opening starts afresh: the text again, the welcome sound again.
    host.calls.clear();
    ModalDriver again({{"about shown again", [&] { return (about = FindShownDialog(1050)) != nullptr; },
                        [&] {
                            auto* text = dynamic_cast<wxTextCtrl*>(about->FindWindow(2005));
                            EXPECT_EQ(text->GetValue().utf8_string(), kExpectedAbout);
                            EXPECT_EQ(host.calls.size(), 2u);
                            Click(about, wxID_OK);
                        }}});
    ShowAboutBox(&owner, host);
    EXPECT_TRUE(again.Finished());
}

TEST_F(InfoDialogsTest, AboutBoxOverAHiddenOwnerIsCentredOnTheScreen) {
    RecordingHost host(BuildDir());
    wxDialog owner(nullptr, wxID_ANY, "Main in the notification area");
    owner.SetSize(0, 0, 200, 100);
    wxDialog* about = nullptr;
    ModalDriver driver({{"about shown", [&] { return (about = FindShownDialog(1050)) != nullptr; },
                         [&] {
                             EXPECT_FALSE(owner.IsShown());
                             const wxRect screen = wxDisplay(0u).GetGeometry();
                             const wxRect box = about->GetScreenRect();
                             EXPECT_NEAR(box.x + box.width / 2, screen.x + screen.width / 2, 2);
                             EXPECT_NEAR(box.y + box.height / 2, screen.y + screen.height / 2, 2);
                             Click(about, wxID_OK);
                         }}});
    ShowAboutBox(&owner, host);
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(owner.IsShown());
}

TEST_F(InfoDialogsTest, DonationWindowWithoutAViewShowsThePlaceholderAndStaysUsable) {
    RecordingHost host(BuildDir());
    CDonate donate([] { return std::unique_ptr<IHtmlCtrl>(); });
    ModalDriver driver({{"donation window shown", [] { return FindShownDialog(1052) != nullptr; },
                         [&] {
                             wxDialog* dialog = FindShownDialog(1052);
                             auto* placeholder = dynamic_cast<wxStaticText*>(dialog->FindWindow(2010));
                             ASSERT_NE(placeholder, nullptr);
                             EXPECT_EQ(placeholder->GetLabel(), "Html Static");
                             Click(dialog, wxID_OK);
                         }}});
    EXPECT_EQ(donate.DoModal(nullptr, host), wxID_OK);
    EXPECT_TRUE(driver.Finished());
}

class HyperLinkTest : public InfoDialogsTest {
protected:
    void SetUp() override {
        InfoDialogsTest::SetUp();
        // Away from the pointer, which rests in the middle of the virtual screen.
        dialog = new wxDialog(nullptr, wxID_ANY, "Link", wxPoint(0, 0), wxSize(300, 120));
        new wxStaticText(dialog, 2007, "Contact me", wxPoint(20, 20), wxSize(200, 20));
        new wxStaticText(dialog, wxID_ANY, "", wxPoint(20, 60)); // a lone child would fill the dialog
        link = new CHyperLink;
        ASSERT_TRUE(link->Attach(dialog, 2007));
        dialog->Show();
        PumpEvents(50ms);
    }
    void TearDown() override {
        dialog->Destroy();
        PumpEvents(20ms);
        InfoDialogsTest::TearDown();
    }
    void Hover() {
        wxMouseEvent move(wxEVT_MOTION);
        move.SetEventObject(link);
        move.SetPosition(wxPoint(2, 2));
        link->GetEventHandler()->ProcessEvent(move);
    }
    wxDialog* dialog = nullptr;
    CHyperLink* link = nullptr;
};

TEST_F(HyperLinkTest, TakesThePlaceAndTextOfTheStatic) {
    EXPECT_EQ(dialog->FindWindow(2007), link);
    EXPECT_EQ(link->GetTarget(), "Contact me");
    EXPECT_EQ(link->GetPosition(), wxPoint(20, 20));
    EXPECT_LT(link->GetSize().x, 200) << "fitted to its text";
    EXPECT_GT(link->GetSize().x, 20);
    EXPECT_EQ(link->GetToolTipText(), "Contact me");
    link->SetTarget("mailto:x@y.invalid");
    EXPECT_EQ(link->GetLabel(), "Contact me");
    EXPECT_EQ(link->GetToolTipText(), "mailto:x@y.invalid");
    EXPECT_EQ(link->GetCursor().IsOk(), true);
    EXPECT_EQ(link->GetNormalColor(), wxColour(0, 0, 238));
    EXPECT_EQ(link->GetVisitedColor(), wxColour(85, 26, 139));
    EXPECT_EQ(link->GetHoverColor(), wxColour(255, 0, 0));
}

TEST_F(HyperLinkTest, HoverUnderlinesInRedUntilThePollFindsThePointerGone) {
    EXPECT_FALSE(link->IsUnderlinedNow());
    EXPECT_EQ(link->CurrentTextColour(), wxColour(0, 0, 238));
    Hover();
    EXPECT_TRUE(link->IsHot());
    EXPECT_TRUE(link->IsUnderlinedNow());
    EXPECT_EQ(link->CurrentTextColour(), wxColour(255, 0, 0));
    ASSERT_TRUE(PumpUntil([&] { return !link->IsHot(); }, 2s));
    EXPECT_FALSE(link->IsUnderlinedNow());
    EXPECT_EQ(link->CurrentTextColour(), wxColour(0, 0, 238));

    link->SetUnderlineMode(CHyperLink::UnderlineAlways);
    EXPECT_TRUE(link->IsUnderlinedNow());
    Hover();
    ASSERT_TRUE(PumpUntil([&] { return !link->IsHot(); }, 2s));
    EXPECT_TRUE(link->IsUnderlinedNow());
}

TEST_F(HyperLinkTest, ClickOpensTheTargetAndTurnsVisited) {
    link->SetTarget("mailto:hello@stillmark.invalid?subject=a b;$(x)");
    link->OnClickedReflect();
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0],
              (std::vector<std::string>{"xdg-open", "mailto:hello@stillmark.invalid?subject=a b;$(x)"}));
    EXPECT_TRUE(link->GetVisitedState());
    EXPECT_EQ(link->CurrentTextColour(), wxColour(85, 26, 139));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(HyperLinkTest, FailedClickExplainsAndLeavesTheLinkUnvisited) {
    link->SetVisitedState(true);
    starter.answer = {ProcessOutcome::Kind::NotStarted, ENOENT}; // neither opener nor browser starts
    link->OnClickedReflect();
    EXPECT_FALSE(link->GetVisitedState());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(messages.icons[0], MessageIcon::Exclamation);
}

} // namespace
