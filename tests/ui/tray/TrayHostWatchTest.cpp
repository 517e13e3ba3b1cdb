// The icon finds the notification area that comes after the program (a panel starting late at log-in)
// and leaves the one that goes, on a desktop of its own: a fresh X display and session bus, where an
// X11 tray and a StatusNotifierWatcher with its host start and stop while the icon is shown.
#include "EventPump.h"
#include "TrayDesktopHelpers.h"
#include "ui/tray/DesktopTrayIcon.h"

#include <csignal>
#include <cstdlib>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <string>
#include <wx/frame.h>

using namespace std::chrono_literals;

namespace stillmark {
namespace {

TEST(TrayHostWatchTest, FollowsTraysThatComeAndGoInChild) {
    if (!test::InChildRun())
        GTEST_SKIP() << "runs only as the child of FollowsTraysThatComeAndGo";
    test::FailOnWxAssert();
    auto* owner = new wxFrame(nullptr, wxID_ANY, "owner");
    std::unique_ptr<TrayIcon> made = MakeDesktopTrayIcon(*owner, test::MakeTestIcon(), [](TrayClick) {});
    auto& icon = dynamic_cast<DesktopTrayIcon&>(*made);
    int moves = 0;
    icon.OnTrayChanged([&] { ++moves; });
    icon.ShowIcon("Stillmark, your loyal break");
    EXPECT_EQ(icon.Kind(), TrayKind::None) << "no panel yet";

    const int trayer = std::atoi(
        test::RunCommand("trayer --edge top --align right --width 10 --height 24 >/dev/null 2>&1 & echo $!")
            .c_str());
    EXPECT_TRUE(test::PumpUntil([&] { return icon.Kind() == TrayKind::XEmbed; }, 10s)) << "the X11 tray came";
    EXPECT_EQ(moves, 1);
    {
        test::TestWatcher panel(false, false); // the panel's watcher starts before its host
        ASSERT_TRUE(panel.Started());
        test::PumpEvents(500ms);
        EXPECT_EQ(icon.Kind(), TrayKind::XEmbed) << "a watcher without a host shows no icon";
        GVariant* reply = test::CallOnBus("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                          "org.kde.StatusNotifierWatcher", "RegisterStatusNotifierHost",
                                          g_variant_new("(s)", "org.kde.StatusNotifierHost-test"));
        ASSERT_NE(reply, nullptr);
        g_variant_unref(reply);
        EXPECT_TRUE(test::PumpUntil([&] { return icon.Kind() == TrayKind::StatusNotifier; }, 10s))
            << "its host came";
        EXPECT_EQ(moves, 2);
    }
    EXPECT_TRUE(test::PumpUntil([&] { return icon.Kind() == TrayKind::XEmbed; }, 10s)) << "the panel went";
    {
        test::TestWatcher panel(false, true);
        ASSERT_TRUE(panel.Started());
        EXPECT_TRUE(test::PumpUntil([&] { return icon.Kind() == TrayKind::StatusNotifier; }, 10s))
            << "a panel with a host came";
        EXPECT_EQ(moves, 4);
    }
    EXPECT_TRUE(test::PumpUntil([&] { return icon.Kind() == TrayKind::XEmbed; }, 10s)) << "the panel went";
    kill(trayer, SIGTERM);
    EXPECT_TRUE(test::PumpUntil([&] { return icon.Kind() == TrayKind::None; }, 10s)) << "the X11 tray went";
    EXPECT_EQ(moves, 6);
    EXPECT_FALSE(icon.HasTray());

    made.reset();
    owner->Destroy();
}

TEST(TrayHostWatchTest, FollowsTraysThatComeAndGo) {
    EXPECT_TRUE(test::ChildTestPasses(
        "timeout 90 dbus-run-session -- xvfb-run -a -s '-screen 0 640x480x24 -nolisten tcp'",
        "TrayHostWatchTest.FollowsTraysThatComeAndGoInChild"));
}

} // namespace
} // namespace stillmark
