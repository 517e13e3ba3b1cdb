// The desktop's icon service under a private desktop (virtual X server, tray host,
// notification daemon): the icon in the tray, its mouse presses, its menu, the balloons
// as desktop notifications, the program's own popup without a notification service, and
// that nothing is left behind to keep the program alive.
#include "ui/tray/WxNotifyIconService.h"
#include "EventPump.h"
#include "ui/tray/NotifyIcon.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/timer.h>

using namespace std::chrono_literals;

namespace stillmark {
namespace {

// wxEntryStart makes a console application unless told otherwise: windows need a GUI one.
const bool guiApp = [] {
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    return true;
}();

const char* const kChildVariable = "STILLMARK_TRAY_TEST_CHILD";

std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 512> buffer{};
        while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
            output += buffer.data();
        pclose(pipe);
    }
    return output;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

// Watches the session bus for the notification service's Notify calls.
class NotifyMonitor {
public:
    struct Notification {
        std::string appName, summary, body;
        int expireTimeout = 0;
    };

    NotifyMonitor() {
        char pattern[] = "/tmp/stillmark-notify-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd >= 0)
            close(fd);
        m_log = pattern;
        const std::string pid = RunCommand("dbus-monitor --session "
                                           "\"interface='org.freedesktop.Notifications',member='Notify'\" >" +
                                           m_log.string() + " 2>&1 & echo $!");
        m_pid = std::atoi(pid.c_str());
        // dbus-monitor reports its own connection first: from then on it sees every call.
        test::PumpUntil([this] { return !ReadFile(m_log).empty(); }, 5000ms);
    }
    ~NotifyMonitor() {
        if (m_pid > 0)
            kill(m_pid, SIGTERM);
        std::filesystem::remove(m_log);
    }

    std::vector<Notification> Notifications() const {
        std::vector<Notification> found;
        const std::string log = ReadFile(m_log);
        static const std::regex call("method call [^\\n]*member=Notify\\n");
        static const std::regex text("string \"([^\"]*)\"");
        static const std::regex timeout("int32 (-?[0-9]+)");
        for (auto it = std::sregex_iterator(log.begin(), log.end(), call); it != std::sregex_iterator();
             ++it) {
            const std::size_t start = static_cast<std::size_t>(it->position() + it->length());
            const std::size_t end = std::min(log.find("\nmethod call", start), log.size());
            const std::string block = log.substr(start, end - start);
            std::vector<std::string> texts; // application, icon, summary, body, then the hints
            for (auto t = std::sregex_iterator(block.begin(), block.end(), text); t != std::sregex_iterator();
                 ++t)
                texts.push_back((*t)[1]);
            std::string lastTimeout = "0";
            for (auto t = std::sregex_iterator(block.begin(), block.end(), timeout);
                 t != std::sregex_iterator(); ++t)
                lastTimeout = (*t)[1];
            if (texts.size() >= 4)
                found.push_back({texts[0], texts[2], texts[3], std::atoi(lastTimeout.c_str())});
        }
        return found;
    }

    bool WaitForCount(std::size_t count) const {
        return test::PumpUntil([&] { return Notifications().size() >= count; }, 5000ms);
    }

private:
    std::filesystem::path m_log;
    int m_pid = 0;
};

// The visible X windows of this process: the icon embedded in the tray and any popup.
std::vector<std::string> VisibleWindows() {
    std::vector<std::string> windows;
    std::istringstream ids(
        RunCommand("xdotool search --onlyvisible --pid " + std::to_string(getpid()) + " 2>/dev/null"));
    for (std::string id; ids >> id;)
        windows.push_back(id);
    return windows;
}

wxIcon MakeIcon() {
    wxBitmap bitmap(16, 16);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLUE_BRUSH);
        dc.Clear();
    }
    wxIcon icon;
    icon.CopyFromBitmap(bitmap);
    return icon;
}

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

void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
    ADD_FAILURE() << "wx assertion at " << file << ":" << line << " in " << function << ": " << condition
                  << " " << message;
}

NotifyIconData Record(const std::string& text, int seconds) {
    return FillNotifyIconData(WM_NOTIFYICON, "Stillmark", text, "Stillmark, your loyal break", seconds);
}

class TrayServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        wxSetAssertHandler(FailOnAssert); // an assertion box would block the test
        wxTheApp->SetAppName("Stillmark");
        m_windowsBefore = wxTopLevelWindows.size();
        owner = new wxFrame(nullptr, wxID_ANY, "owner");
        owner->Bind(wxEVT_MENU, [this](wxCommandEvent& event) { commands.push_back(event.GetId()); });
        service = std::make_unique<WxNotifyIconService>(owner, MakeIcon(),
                                                        [this](int message) { mouse.push_back(message); });
    }
    void TearDown() override {
        service.reset();
        owner->Destroy();
        // Nothing of the service may stay behind: a leftover window keeps the program alive.
        EXPECT_TRUE(test::PumpUntil([this] { return wxTopLevelWindows.size() == m_windowsBefore; }, 3000ms))
            << wxTopLevelWindows.size() - m_windowsBefore << " windows left";
    }

    wxFrame* owner = nullptr;
    std::unique_ptr<WxNotifyIconService> service;
    std::vector<int> commands;
    std::vector<int> mouse;

private:
    std::size_t m_windowsBefore = 0;
};

TEST_F(TrayServiceTest, TrayHostMakesTheAreaAvailable) {
    EXPECT_TRUE(test::PumpUntil([this] { return service->IsAvailable(); }, 5000ms));
}

TEST_F(TrayServiceTest, AddShowsTheIconAndDeleteTakesItAway) {
    ASSERT_TRUE(test::PumpUntil([this] { return service->IsAvailable(); }, 5000ms));
    EXPECT_TRUE(VisibleWindows().empty());
    service->Call(NotifyIconMessage::Add, Record("", 1));
    EXPECT_TRUE(service->IsIconAdded());
    EXPECT_TRUE(test::PumpUntil([] { return VisibleWindows().size() == 1; }, 3000ms));
    service->Call(NotifyIconMessage::Delete, Record("", 0));
    service->Call(NotifyIconMessage::SetFocus, Record("", 0));
    EXPECT_FALSE(service->IsIconAdded());
    EXPECT_TRUE(test::PumpUntil([] { return VisibleWindows().empty(); }, 3000ms));
}

TEST_F(TrayServiceTest, BalloonsBecomeDesktopNotificationsOnlyWhileTheIconIsAdded) {
    NotifyMonitor monitor;
    const std::string alert = "It is 12:00\nStillmark time !";
    service->Call(NotifyIconMessage::Modify, Record(alert, 3)); // no icon yet: nothing
    service->Call(NotifyIconMessage::Add, Record("", 1));       // no text: no balloon
    test::PumpEvents(500ms);
    EXPECT_TRUE(monitor.Notifications().empty());
    EXPECT_EQ(service->LastBalloonKind(), WxNotifyIconService::BalloonKind::None);

    service->Call(NotifyIconMessage::Modify,
                  FillNotifyIconData(WM_NOTIFYICON, "Stillmark", alert, "Stillmark, your daily break !", 3));
    ASSERT_TRUE(monitor.WaitForCount(1));
    const auto shown = monitor.Notifications().front();
    EXPECT_EQ(shown.appName, "Stillmark");
    EXPECT_EQ(shown.summary, "Stillmark");
    EXPECT_EQ(shown.body, alert);
    EXPECT_EQ(shown.expireTimeout, 3000);
    EXPECT_EQ(service->LastBalloonKind(), WxNotifyIconService::BalloonKind::Desktop);

    service->Call(NotifyIconMessage::Delete, Record("", 0));
    service->Call(NotifyIconMessage::Modify, Record(alert, 3)); // removed again: nothing
    test::PumpEvents(500ms);
    EXPECT_EQ(monitor.Notifications().size(), 1u);
}

TEST_F(TrayServiceTest, MenuChoiceReachesTheOwnerAsItsCommand) {
    ASSERT_TRUE(test::PumpUntil([this] { return service->IsAvailable(); }, 5000ms));
    service->Call(NotifyIconMessage::Add, Record("", 1));
    const struct {
        const char* keys;
        std::vector<int> expected;
    } cases[] = {
        {"Down Return", {ID_APP_ABOUT}},
        {"Down Down Return", {ID_SHOW}}, // the separator is skipped
        {"Up Return", {ID_APP_EXIT}},
        {"Escape", {}},
    };
    for (const auto& c : cases) {
        commands.clear();
        RunCommand("xdotool mousemove 400 400");
        wxTimer choose;
        choose.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { RunCommand(std::string("xdotool key ") + c.keys); });
        choose.StartOnce(300);
        wxTimer rescue; // should the keys not reach the menu, close it rather than hang
        rescue.Bind(wxEVT_TIMER,
                    [](wxTimerEvent&) { RunCommand("xdotool key Escape mousemove 5 900 click 1"); });
        rescue.StartOnce(5000);
        service->ShowMenu();
        // The choice is queued: it arrives after the menu has closed.
        EXPECT_TRUE(commands.empty()) << c.keys;
        test::PumpEvents(200ms);
        EXPECT_EQ(commands, c.expected) << c.keys;
    }
}

TEST_F(TrayServiceTest, PressesOnTheIconReachTheHandler) {
    ASSERT_TRUE(test::PumpUntil([this] { return service->IsAvailable(); }, 5000ms));
    service->Call(NotifyIconMessage::Add, Record("", 1));
    ASSERT_TRUE(test::PumpUntil([] { return VisibleWindows().size() == 1; }, 3000ms));
    const std::string icon = VisibleWindows().front();
    const struct {
        const char* button;
        int expected;
    } cases[] = {{"1", kMouseLeftDown}, {"3", kMouseRightUp}};
    for (const auto& c : cases) {
        mouse.clear();
        RunCommand("xdotool mousemove --window " + icon + " 8 8 click " + c.button);
        EXPECT_TRUE(test::PumpUntil([this] { return !mouse.empty(); }, 3000ms)) << "button " << c.button;
        test::PumpEvents(100ms);
        EXPECT_EQ(mouse, std::vector<int>{c.expected}) << "button " << c.button;
    }
}

TEST_F(TrayServiceTest, LeftPressThatRemovesTheIconIsSafe) {
    // The main window removes the icon on a left press, from within the press.
    service = std::make_unique<WxNotifyIconService>(owner, MakeIcon(), [this](int message) {
        mouse.push_back(message);
        service->Call(NotifyIconMessage::Delete, Record("", 0));
    });
    ASSERT_TRUE(test::PumpUntil([this] { return service->IsAvailable(); }, 5000ms));
    service->Call(NotifyIconMessage::Add, Record("", 1));
    ASSERT_TRUE(test::PumpUntil([] { return VisibleWindows().size() == 1; }, 3000ms));
    RunCommand("xdotool mousemove --window " + VisibleWindows().front() + " 8 8 click 1");
    EXPECT_TRUE(test::PumpUntil([this] { return !mouse.empty(); }, 3000ms));
    EXPECT_FALSE(service->IsIconAdded());
    EXPECT_TRUE(test::PumpUntil([] { return VisibleWindows().empty(); }, 3000ms));
}

// Run in a child process whose session bus leads nowhere (see the next test).
TEST_F(TrayServiceTest, OwnPopupInChildWithoutNotificationService) {
    if (std::getenv(kChildVariable) == nullptr)
        GTEST_SKIP() << "runs only as the child of OwnPopupWhenNoNotificationService";
    service->Call(NotifyIconMessage::Add, Record("Stillmark now runs in the notification area", 1));
    EXPECT_EQ(service->LastBalloonKind(), WxNotifyIconService::BalloonKind::OwnPopup);
    EXPECT_NE(FindShownText("Stillmark now runs in the notification area"), nullptr);

    // The next balloon replaces the popup; it hides itself after its time-out.
    service->Call(NotifyIconMessage::Modify, Record("It is 12:00\nStillmark time !", 1));
    EXPECT_EQ(FindShownText("Stillmark now runs in the notification area"), nullptr);
    EXPECT_NE(FindShownText("It is 12:00\nStillmark time !"), nullptr);
    EXPECT_NE(FindShownText("Stillmark"), nullptr);
    EXPECT_TRUE(
        test::PumpUntil([] { return FindShownText("It is 12:00\nStillmark time !") == nullptr; }, 4000ms));
}

TEST(TrayServiceWithoutNotificationService, ShowsTheBalloonInItsOwnPopup) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string output = RunCommand(
        std::string(kChildVariable) + "=1 DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus '" + self +
        "' --gtest_filter=TrayServiceTest.OwnPopupInChildWithoutNotificationService"
        " 2>&1; echo \"exit=$?\"");
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    EXPECT_NE(output.find("exit=0"), std::string::npos) << output;
}

// Runs the program's own main loop in a child process (see the next test): closing the
// main window, which destroys the service, must end the loop, menu helper window and all.
TEST(TrayServiceLifetime, MainLoopEndsInChild) {
    if (std::getenv(kChildVariable) == nullptr)
        GTEST_SKIP() << "runs only as the child of MainLoopEndsWhenTheWindowCloses";
    wxSetAssertHandler(FailOnAssert);
    auto* frame = new wxFrame(nullptr, wxID_ANY, "main");
    auto service = std::make_unique<WxNotifyIconService>(frame, MakeIcon(), [](int) {});
    frame->Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent&) {
        service.reset();
        frame->Destroy();
    });
    service->Call(NotifyIconMessage::Add, Record("Stillmark now runs in the notification area", 1));
    wxTimer escape;
    escape.Bind(wxEVT_TIMER, [](wxTimerEvent&) { RunCommand("xdotool key Escape"); });
    wxTimer start;
    start.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        escape.StartOnce(300);
        service->ShowMenu(); // makes the tray icon's hidden helper window
        frame->Close();
    });
    start.StartOnce(200);
    wxTheApp->SetExitOnFrameDelete(true); // as wxApp::OnRun does
    wxTheApp->MainLoop();
    EXPECT_EQ(service, nullptr);
}

TEST(TrayServiceLifetime, MainLoopEndsWhenTheWindowCloses) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string output =
        RunCommand(std::string(kChildVariable) + "=1 timeout 20 '" + self +
                   "' --gtest_filter=TrayServiceLifetime.MainLoopEndsInChild 2>&1; echo \"exit=$?\"");
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    EXPECT_NE(output.find("exit=0"), std::string::npos) << output;
}

} // namespace
} // namespace stillmark
