// Notifications on the private desktop's bus: the program's name, icon and hints as the
// notification service receives them; sent only while the icon is shown; the program's own popup
// where no service answers.
#include "EventPump.h"
#include "TrayDesktopHelpers.h"
#include "ui/tray/DesktopNotifier.h"
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <memory>
#include <string>
#include <wx/frame.h>
#include <wx/stattext.h>

using namespace std::chrono_literals;

namespace stillmark {
namespace {

const std::string kAlert = "It is 12:00\nStillmark time !";

// A shown top-level window holding a static text with exactly this label.
wxWindow* FindShownText(const wxString& label) {
    std::function<wxWindow*(wxWindow*)> search = [&](wxWindow* window) -> wxWindow* {
        if (auto* text = dynamic_cast<wxStaticText*>(window); text != nullptr && text->GetLabel() == label)
            return text;
        for (wxWindow* child : window->GetChildren())
            if (wxWindow* found = search(child))
                return found;
        return nullptr;
    };
    for (wxWindow* top : wxTopLevelWindows)
        if (top->IsShown())
            if (wxWindow* found = search(top))
                return found;
    return nullptr;
}

class TrayNotificationTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::FailOnWxAssert();
        owner = new wxFrame(nullptr, wxID_ANY, "owner");
    }
    void TearDown() override { owner->Destroy(); }

    wxFrame* owner = nullptr;
};

TEST_F(TrayNotificationTest, CarriesTheProgramsNameIconAndHints) {
    const struct {
        bool installedIcon;
        const char* appIcon;
        bool imageData;
    } cases[] = {{false, "", true},
                 {true, "stillmark", false}}; // the image first: a first send carries it too
    for (const auto& c : cases) {
        test::NotifyMonitor monitor;
        DesktopNotifier notifier(*owner, test::MakeTestIcon(48), c.installedIcon);
        notifier.Show(MakeNotification("Stillmark", kAlert, 3));
        EXPECT_EQ(notifier.LastShown(), DesktopNotifier::Shown::ByService);
        ASSERT_TRUE(monitor.WaitForCount(1)) << c.installedIcon;
        const auto sent = monitor.Notifications().front();
        EXPECT_EQ(sent.appName, "Stillmark");
        EXPECT_EQ(sent.appIcon, c.appIcon);
        EXPECT_EQ(sent.summary, "Stillmark");
        EXPECT_EQ(sent.body, kAlert);
        EXPECT_EQ(sent.expireTimeout, 3000);
        EXPECT_TRUE(sent.HasHint("desktop-entry", "string \"org.stillmark.Stillmark\"")) << sent.call;
        EXPECT_TRUE(sent.HasHint("urgency", "byte 1")) << sent.call;
        EXPECT_EQ(sent.HasHint("image-data", "struct"), c.imageData) << sent.call;
    }
}

TEST_F(TrayNotificationTest, TheDesktopIconNotifiesOnlyWhileShown) {
    test::NotifyMonitor monitor;
    auto icon = MakeDesktopTrayIcon(*owner, test::MakeTestIcon(), [](TrayClick) {});
    icon->Notify("Stillmark", kAlert, 3); // no icon yet: nothing
    icon->ShowIcon("Stillmark, your loyal break");
    icon->Notify("Stillmark", "", 1); // no text: nothing
    test::PumpEvents(300ms);
    EXPECT_TRUE(monitor.Notifications().empty());

    icon->Notify("Stillmark", kAlert, 0);
    ASSERT_TRUE(monitor.WaitForCount(1));
    EXPECT_EQ(monitor.Notifications().front().expireTimeout, -1) << "the service's own time-out";

    icon->HideIcon();
    icon->Notify("Stillmark", kAlert, 3); // hidden again: nothing
    test::PumpEvents(300ms);
    EXPECT_EQ(monitor.Notifications().size(), 1u);
}

TEST_F(TrayNotificationTest, TheInstalledIconIsFoundInTheIconTheme) {
    if (!InstalledIconExists()) // as installed: the project's icons in a theme folder
        gtk_icon_theme_append_search_path(gtk_icon_theme_get_default(), STILLMARK_SOURCE_DIR "/data/icons");
    EXPECT_TRUE(InstalledIconExists());
}

// Run in a child process whose session bus leads nowhere (see the next test).
TEST_F(TrayNotificationTest, OwnPopupInChildWithoutNotificationService) {
    if (!test::InChildRun())
        GTEST_SKIP() << "runs only as the child of ShowsTheNotificationInItsOwnPopup";
    DesktopNotifier notifier(*owner, test::MakeTestIcon(), false);
    notifier.Show(MakeNotification("Stillmark", "Stillmark now runs in the notification area", 1));
    EXPECT_EQ(notifier.LastShown(), DesktopNotifier::Shown::OwnPopup);
    EXPECT_NE(FindShownText("Stillmark now runs in the notification area"), nullptr);

    // The next one replaces the popup; it hides itself after its time-out.
    notifier.Show(MakeNotification("Stillmark", kAlert, 1));
    EXPECT_EQ(FindShownText("Stillmark now runs in the notification area"), nullptr);
    EXPECT_NE(FindShownText(kAlert), nullptr);
    EXPECT_NE(FindShownText("Stillmark"), nullptr);
    EXPECT_TRUE(test::PumpUntil([] { return FindShownText(kAlert) == nullptr; }, 4000ms));
}

TEST(TrayNotificationWithoutService, ShowsTheNotificationInItsOwnPopup) {
    EXPECT_TRUE(test::ChildTestPasses("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus",
                                      "TrayNotificationTest.OwnPopupInChildWithoutNotificationService"));
}

} // namespace
} // namespace stillmark
