// Notifications on the private desktop's bus: the program's name, icon and hints as the
// notification service receives them; sent only while the icon is shown; the program's own popup
// where no service answers.
#include "EventPump.h"
#include "TrayDesktopHelpers.h"
#include "platform/linux/DesktopNotifier.h"
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/timer.h>

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
        EXPECT_TRUE(test::PumpUntil([&] { return notifier.LastShown() == DesktopNotifier::Shown::ByService; },
                                    3000ms));
        ASSERT_TRUE(monitor.WaitForCount(1)) << c.installedIcon;
        const auto sent = monitor.Notifications().front();
        EXPECT_EQ(sent.appName, "Stillmark");
        EXPECT_EQ(sent.appIcon, c.appIcon);
        EXPECT_EQ(sent.summary, "Stillmark");
        EXPECT_EQ(sent.body, kAlert);
        EXPECT_EQ(sent.expireTimeout, 3000);
        EXPECT_TRUE(sent.HasHint("desktop-entry", "string \"org.stillmark.Stillmark\"")) << sent.call;
        EXPECT_TRUE(sent.HasHint("urgency", "byte 1")) << sent.call;
        EXPECT_TRUE(sent.HasHint("sender-pid", "int64 " + std::to_string(::getpid()))) << sent.call;
        EXPECT_EQ(sent.HasHint("image-data", "struct"), c.imageData) << sent.call;
    }
}

TEST_F(TrayNotificationTest, TheDesktopIconNotifiesWhetherShownOrNot) {
    test::NotifyMonitor monitor;
    auto icon = MakeDesktopTrayIcon(*owner, test::MakeTestIcon(), [](TrayClick) {});
    icon->Notify("Stillmark", kAlert, 3); // no icon yet: the window is up, the reminder comes all the same
    ASSERT_TRUE(monitor.WaitForCount(1));
    icon->ShowIcon("Stillmark, your loyal break");
    icon->Notify("Stillmark", "", 1); // no text: nothing
    test::PumpEvents(300ms);
    EXPECT_EQ(monitor.Notifications().size(), 1u);

    icon->Notify("Stillmark", kAlert, 0);
    ASSERT_TRUE(monitor.WaitForCount(2));
    EXPECT_EQ(monitor.Notifications().back().expireTimeout, -1) << "the service's own time-out";

    icon->HideIcon();
    icon->Notify("Stillmark", kAlert, 3); // hidden again
    EXPECT_TRUE(monitor.WaitForCount(3));
}

TEST_F(TrayNotificationTest, TheInstalledIconIsFoundInTheIconTheme) {
    if (!InstalledIconExists()) // as installed: the project's icons in a theme folder
        gtk_icon_theme_append_search_path(gtk_icon_theme_get_default(), STILLMARK_SOURCE_DIR "/data/icons");
    EXPECT_TRUE(InstalledIconExists());
}

// Run in a child process whose session bus leads nowhere or to no service (see the test at the end).
TEST_F(TrayNotificationTest, OwnPopupInChildWithoutNotificationService) {
    if (!test::InChildRun())
        GTEST_SKIP() << "runs only as the child of ShowsTheNotificationInItsOwnPopup";
    DesktopNotifier notifier(*owner, test::MakeTestIcon(), false);
    notifier.Show(MakeNotification("Stillmark", "Stillmark now runs in the notification area", 1));
    EXPECT_TRUE(
        test::PumpUntil([&] { return notifier.LastShown() == DesktopNotifier::Shown::OwnPopup; }, 1000ms));
    EXPECT_NE(FindShownText("Stillmark now runs in the notification area"), nullptr);

    // The next one replaces the popup; it hides itself after its time-out.
    notifier.Show(MakeNotification("Stillmark", kAlert, 1));
    EXPECT_EQ(FindShownText("Stillmark now runs in the notification area"), nullptr);
    EXPECT_TRUE(test::PumpUntil([] { return FindShownText(kAlert) != nullptr; }, 1000ms));
    EXPECT_NE(FindShownText("Stillmark"), nullptr);
    EXPECT_TRUE(test::PumpUntil([] { return FindShownText(kAlert) == nullptr; }, 4000ms));

    // Left to the service's time-out, the popup stays until it is closed.
    notifier.Show(MakeNotification("Stillmark", kAlert, 0));
    EXPECT_TRUE(test::PumpUntil([] { return FindShownText(kAlert) != nullptr; }, 1000ms));
    test::PumpEvents(4500ms); // on its own, the generic popup leaves after 3 s
    EXPECT_NE(FindShownText(kAlert), nullptr);
}

// A notification service that answers each Notify after `answerAfter` (never when empty) with id 42,
// and notes the ids it is asked to close.
class SlowNotificationService {
public:
    explicit SlowNotificationService(std::optional<std::chrono::milliseconds> answerAfter)
        : m_answerAfter(answerAfter) {
        gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
        m_bus = g_dbus_connection_new_for_address_sync(
            address,
            GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                 G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, nullptr);
        g_free(address);
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(
            "<node><interface name='org.freedesktop.Notifications'><method name='Notify'>"
            "<arg type='s' direction='in'/><arg type='u' direction='in'/><arg type='s' direction='in'/>"
            "<arg type='s' direction='in'/><arg type='s' direction='in'/><arg type='as' direction='in'/>"
            "<arg type='a{sv}' direction='in'/><arg type='i' direction='in'/><arg type='u' direction='out'/>"
            "</method><method name='CloseNotification'><arg type='u' direction='in'/></method>"
            "</interface></node>",
            nullptr);
        static const GDBusInterfaceVTable vtable = {
            [](GDBusConnection*, const char*, const char*, const char*, const char* method,
               GVariant* parameters, GDBusMethodInvocation* invocation, void* self) {
                static_cast<SlowNotificationService*>(self)->Called(method, parameters, invocation);
            },
            nullptr,
            nullptr,
            {}};
        g_dbus_connection_register_object(m_bus, "/org/freedesktop/Notifications", node->interfaces[0],
                                          &vtable, this, nullptr, nullptr);
        g_dbus_node_info_unref(node);
        GVariant* reply = g_dbus_connection_call_sync(
            m_bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
            g_variant_new("(su)", "org.freedesktop.Notifications", 4u), nullptr, G_DBUS_CALL_FLAGS_NONE, -1,
            nullptr, nullptr);
        if (reply)
            g_variant_unref(reply);
    }
    ~SlowNotificationService() {
        m_answer.Stop();
        g_object_unref(m_bus);
    }
    std::size_t Calls() const { return m_calls.size(); }
    const std::vector<guint32>& Closed() const { return m_closed; }

private:
    void Called(const char* method, GVariant* parameters, GDBusMethodInvocation* invocation) {
        if (std::string(method) == "CloseNotification") {
            guint32 id = 0;
            g_variant_get(parameters, "(u)", &id);
            m_closed.push_back(id);
            g_dbus_method_invocation_return_value(invocation, nullptr);
            return;
        }
        m_calls.push_back(invocation); // unanswered until the bus goes, or answered late
        if (m_answerAfter) {
            m_answer.Bind(wxEVT_TIMER, [invocation](wxTimerEvent&) {
                g_dbus_method_invocation_return_value(invocation, g_variant_new("(u)", 42u));
            });
            m_answer.StartOnce(static_cast<int>(m_answerAfter->count()));
        }
    }

    std::optional<std::chrono::milliseconds> m_answerAfter;
    GDBusConnection* m_bus;
    std::vector<GDBusMethodInvocation*> m_calls;
    std::vector<guint32> m_closed;
    wxTimer m_answer;
};

// Run in a child process with a session bus of its own (see the next test).
TEST_F(TrayNotificationTest, HungServiceInChild) {
    if (!test::InChildRun())
        GTEST_SKIP() << "runs only as the child of AHungServiceNeverHoldsUpTheProgram";
    SlowNotificationService service(std::nullopt);
    DesktopNotifier notifier(*owner, test::MakeTestIcon(), false);
    const auto before = std::chrono::steady_clock::now();
    notifier.Show(MakeNotification("Stillmark", kAlert, 0));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 100ms) << "the call returns at once";

    // A timer of the main loop keeps its pace while the service keeps the call.
    wxTimer beat;
    std::vector<std::chrono::steady_clock::time_point> beats;
    beat.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { beats.push_back(std::chrono::steady_clock::now()); });
    beat.Start(50);
    EXPECT_TRUE(test::PumpUntil([] { return FindShownText(kAlert) != nullptr; },
                                DesktopNotifier::kServiceAnswerTime + 1500ms))
        << "the own popup shows once the service had its time";
    beat.Stop();
    EXPECT_EQ(service.Calls(), 1u);
    EXPECT_GT(std::chrono::steady_clock::now() - before, DesktopNotifier::kServiceAnswerTime - 200ms);
    ASSERT_GT(beats.size(), 10u);
    for (std::size_t i = 1; i < beats.size(); ++i)
        EXPECT_LT(beats[i] - beats[i - 1], 400ms) << "the main loop kept answering";
}

// Run in a child process with a session bus of its own (see the next test).
TEST_F(TrayNotificationTest, LateServiceInChild) {
    if (!test::InChildRun())
        GTEST_SKIP() << "runs only as the child of ALateAnswerLeavesOneReminder";
    SlowNotificationService service(DesktopNotifier::kServiceAnswerTime + 1000ms);
    DesktopNotifier notifier(*owner, test::MakeTestIcon(), false);
    notifier.Show(MakeNotification("Stillmark", kAlert, 0));
    EXPECT_TRUE(test::PumpUntil([] { return FindShownText(kAlert) != nullptr; },
                                DesktopNotifier::kServiceAnswerTime + 500ms));
    EXPECT_TRUE(test::PumpUntil([&] { return !service.Closed().empty(); }, 3000ms))
        << "the service's late notification is closed";
    EXPECT_EQ(service.Closed(), std::vector<guint32>{42});
    EXPECT_NE(FindShownText(kAlert), nullptr) << "the own popup stays, the one reminder of the moment";
}

TEST(TrayNotificationLateService, ALateAnswerLeavesOneReminder) {
    EXPECT_TRUE(
        test::ChildTestPasses("timeout 60 dbus-run-session --", "TrayNotificationTest.LateServiceInChild"));
}

TEST(TrayNotificationHungService, AHungServiceNeverHoldsUpTheProgram) {
    EXPECT_TRUE(
        test::ChildTestPasses("timeout 60 dbus-run-session --", "TrayNotificationTest.HungServiceInChild"));
}

// Without a session bus, and on a session bus where no notification service runs or can be started.
TEST(TrayNotificationWithoutService, ShowsTheNotificationInItsOwnPopup) {
    for (const char* wrap : {"DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus",
                             "timeout 60 dbus-run-session --config-file=" STILLMARK_SOURCE_DIR
                             "/tests/ui/tray/desktop/bare_session_bus.conf --"})
        EXPECT_TRUE(
            test::ChildTestPasses(wrap, "TrayNotificationTest.OwnPopupInChildWithoutNotificationService"))
            << wrap;
}

} // namespace
} // namespace stillmark
