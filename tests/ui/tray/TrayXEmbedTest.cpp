// The XEmbed icon under the private desktop's X11 tray: the icon shown and taken away, its presses,
// its menu, and that nothing is left behind to keep the program alive.
#include "EventPump.h"
#include "TrayDesktopHelpers.h"
#include "ui/tray/XEmbedTrayIcon.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>

using namespace std::chrono_literals;

namespace stillmark {
namespace {

// The visible X windows of this process: the icon embedded in the tray and any popup.
std::vector<std::string> VisibleWindows() {
    std::vector<std::string> windows;
    std::istringstream ids(
        test::RunCommand("xdotool search --onlyvisible --pid " + std::to_string(getpid()) + " 2>/dev/null"));
    for (std::string id; ids >> id;)
        windows.push_back(id);
    return windows;
}

class TrayXEmbedTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::FailOnWxAssert();
        m_windowsBefore = wxTopLevelWindows.size();
        owner = new wxFrame(nullptr, wxID_ANY, "owner");
        owner->Bind(wxEVT_MENU, [this](wxCommandEvent& event) { commands.push_back(event.GetId()); });
        icon = std::make_unique<XEmbedTrayIcon>(*owner, test::MakeTestIcon(),
                                                [this](TrayClick click) { clicks.push_back(click); });
        ASSERT_TRUE(test::PumpUntil([] { return XEmbedTrayIcon::IsAvailable(); }, 5000ms));
    }
    void TearDown() override {
        icon.reset();
        owner->Destroy();
        // Nothing of the icon may stay behind: a leftover window keeps the program alive.
        EXPECT_TRUE(test::PumpUntil([this] { return wxTopLevelWindows.size() == m_windowsBefore; }, 3000ms))
            << wxTopLevelWindows.size() - m_windowsBefore << " windows left";
    }

    wxFrame* owner = nullptr;
    std::unique_ptr<XEmbedTrayIcon> icon;
    std::vector<int> commands;
    std::vector<TrayClick> clicks;

private:
    std::size_t m_windowsBefore = 0;
};

TEST_F(TrayXEmbedTest, ShowPutsTheIconInTheTrayAndHideTakesItAway) {
    EXPECT_TRUE(VisibleWindows().empty());
    icon->Show("Stillmark, your loyal break");
    EXPECT_TRUE(test::PumpUntil([] { return VisibleWindows().size() == 1; }, 3000ms));
    icon->Show("Stillmark, your daily break !"); // a new tip, still one icon
    test::PumpEvents(100ms);
    EXPECT_EQ(VisibleWindows().size(), 1u);
    icon->Hide();
    EXPECT_TRUE(test::PumpUntil([] { return VisibleWindows().empty(); }, 3000ms));
}

TEST_F(TrayXEmbedTest, MenuChoiceReachesTheOwnerAsItsCommand) {
    icon->Show("tip");
    const struct {
        const char* keys;
        std::vector<int> expected;
    } cases[] = {
        {"Down Return", {wxID_ABOUT}}, {"Down Down Return", {kIdShow}}, // the separator is skipped
        {"Up Up Return", {kIdPause}},  {"Up Return", {wxID_EXIT}},      {"Escape", {}},
    };
    for (const auto& c : cases) {
        commands.clear();
        test::RunCommand("xdotool mousemove 400 400");
        wxTimer choose;
        choose.Bind(wxEVT_TIMER,
                    [&](wxTimerEvent&) { test::RunCommand(std::string("xdotool key ") + c.keys); });
        choose.StartOnce(300);
        wxTimer rescue; // should the keys not reach the menu, close it rather than hang
        rescue.Bind(wxEVT_TIMER,
                    [](wxTimerEvent&) { test::RunCommand("xdotool key Escape mousemove 5 900 click 1"); });
        rescue.StartOnce(5000);
        icon->ShowMenu();
        // The choice is queued: it arrives after the menu has closed.
        EXPECT_TRUE(commands.empty()) << c.keys;
        test::PumpEvents(200ms);
        EXPECT_EQ(commands, c.expected) << c.keys;
    }
}

TEST_F(TrayXEmbedTest, PressesOnTheIconReachTheHandler) {
    icon->Show("tip");
    ASSERT_TRUE(test::PumpUntil([] { return VisibleWindows().size() == 1; }, 3000ms));
    const std::string window = VisibleWindows().front();
    const struct {
        const char* button;
        TrayClick expected;
    } cases[] = {{"1", TrayClick::LeftPress}, {"3", TrayClick::MenuRequest}};
    for (const auto& c : cases) {
        clicks.clear();
        test::RunCommand("xdotool mousemove --window " + window + " 8 8 click " + c.button);
        EXPECT_TRUE(test::PumpUntil([this] { return !clicks.empty(); }, 3000ms)) << "button " << c.button;
        test::PumpEvents(100ms);
        EXPECT_EQ(clicks, std::vector<TrayClick>{c.expected}) << "button " << c.button;
    }
}

TEST_F(TrayXEmbedTest, LeftPressThatHidesTheIconIsSafe) {
    // The main window takes the icon away on a left press, from within the press.
    icon = std::make_unique<XEmbedTrayIcon>(*owner, test::MakeTestIcon(), [this](TrayClick click) {
        clicks.push_back(click);
        icon->Hide();
    });
    icon->Show("tip");
    ASSERT_TRUE(test::PumpUntil([] { return VisibleWindows().size() == 1; }, 3000ms));
    test::RunCommand("xdotool mousemove --window " + VisibleWindows().front() + " 8 8 click 1");
    EXPECT_TRUE(test::PumpUntil([this] { return !clicks.empty(); }, 3000ms));
    EXPECT_TRUE(test::PumpUntil([] { return VisibleWindows().empty(); }, 3000ms));
}

// Runs the program's own main loop in a child process (see the next test): closing the main
// window, which destroys the icon, must end the loop, menu helper window and all.
TEST(TrayXEmbedLifetime, MainLoopEndsInChild) {
    if (!test::InChildRun())
        GTEST_SKIP() << "runs only as the child of MainLoopEndsWhenTheWindowCloses";
    test::FailOnWxAssert();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "main");
    auto icon = std::make_unique<XEmbedTrayIcon>(*frame, test::MakeTestIcon(), [](TrayClick) {});
    frame->Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent&) {
        icon.reset();
        frame->Destroy();
    });
    icon->Show("tip");
    wxTimer escape;
    escape.Bind(wxEVT_TIMER, [](wxTimerEvent&) { test::RunCommand("xdotool key Escape"); });
    wxTimer start;
    start.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        escape.StartOnce(300);
        icon->ShowMenu(); // makes the tray icon's hidden helper window
        frame->Close();
    });
    start.StartOnce(200);
    wxTheApp->SetExitOnFrameDelete(true); // as wxApp::OnRun does
    wxTheApp->MainLoop();
    EXPECT_EQ(icon, nullptr);
}

TEST(TrayXEmbedLifetime, MainLoopEndsWhenTheWindowCloses) {
    EXPECT_TRUE(test::ChildTestPasses("timeout 20", "TrayXEmbedLifetime.MainLoopEndsInChild"));
}

} // namespace
} // namespace stillmark
