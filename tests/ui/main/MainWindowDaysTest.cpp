// The window through the working week: days off and the pause keep the moments listed but silent,
// the pause is stored and offered back, and the window follows a notification area that comes or goes.
#include "MainWindowFixture.h"

namespace stillmark::test {
namespace {

TEST_F(MainWindowTest, DaysOffAndThePausedDayListTheMomentsButDoNotAlert) {
    // 2026-12-08 is a Tuesday.
    const struct {
        const char* ini;
        bool alerts;
    } cases[] = {
        {"", true},
        {"Days=1111100\n", true},
        {"Days=1011111\n", false},
        {"Days=every day\n", true},
        {"PausedOn=2026-12-08\n", false},
        {"PausedOn=2026-12-07\n", true},
        {"Days=1111100\nPausedOn=2026-12-08\n", false},
    };
    for (const auto& c : cases) {
        WriteIni(c.ini);
        MainWindow& window = OpenWindow();
        Click("run_background");
        m_tray.clear();
        m_now = {2026, 12, 8, 10, 45, 1};
        window.GetReminder().Tick();
        EXPECT_EQ(TrayCalls("notify").size(), c.alerts ? 1u : 0u) << c.ini;
        EXPECT_EQ(Moments().size(), 5u) << c.ini;
        CloseWindow();
        EXPECT_EQ(ReadIni().find("Days=every day") != std::string::npos,
                  std::string(c.ini).find("every day") != std::string::npos)
            << "a malformed value stays: " << c.ini;
        m_now = {2026, 12, 8, 9, 0, 30};
    }
}

TEST_F(MainWindowTest, PauseForTodayIsStoredOfferedBackAndResumed) {
    MainWindow& window = OpenWindow();
    Click("run_background");
    EXPECT_FALSE(m_trayIcon->paused);
    Menu(kIdPause);
    EXPECT_TRUE(m_trayIcon->paused) << "the menu offers to resume";
    EXPECT_NE(ReadIni().find("PausedOn=2026-12-08"), std::string::npos) << "stored at once";
    m_now = {2026, 12, 8, 10, 45, 1};
    window.GetReminder().Tick();
    EXPECT_TRUE(TrayCalls("notify:Stillmark|It is").empty());
    CloseWindow();

    MainWindow& again = OpenWindow(); // a restart keeps the pause
    EXPECT_TRUE(m_trayIcon->paused);
    Menu(kIdPause);
    EXPECT_FALSE(m_trayIcon->paused);
    EXPECT_NE(ReadIni().find("PausedOn=\n"), std::string::npos);
    Click("run_background");
    m_now = {2026, 12, 8, 14, 30, 1};
    again.GetReminder().Tick();
    EXPECT_EQ(TrayCalls("notify:Stillmark|It is 14:30").size(), 1u);
}

TEST_F(MainWindowTest, TheWindowFollowsANotificationAreaThatComesAndGoes) {
    m_hasTray = false;
    WriteIni("StartMinimized=1\n");
    MainWindow& window = OpenWindow();
    ASSERT_TRUE(m_trayIcon->trayChanged);
    EXPECT_TRUE(window.IsShown()) << "minimised, for want of a notification area";

    m_trayIcon->hasTray = true; // the panel came up after the program
    m_trayIcon->trayChanged();
    EXPECT_FALSE(window.IsShown());
    m_trayIcon->hasTray = false; // and went away
    m_trayIcon->trayChanged();
    EXPECT_TRUE(window.IsShown());
    m_trayIcon->hasTray = true;
    m_trayIcon->trayChanged();
    EXPECT_FALSE(window.IsShown());

    Menu(kIdShow);
    EXPECT_TRUE(window.IsShown());
    m_trayIcon->trayChanged(); // shown, not in the background: stays
    EXPECT_TRUE(window.IsShown());
}

} // namespace
} // namespace stillmark::test
