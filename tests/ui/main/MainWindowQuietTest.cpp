// The window's reminders under the quiet rules, "In 5 minutes" and the icon's tip that follows them.
#include "MainWindowFixture.h"

namespace stillmark::test {
namespace {

TEST_F(MainWindowTest, AwayOrBusyTheMomentPassesOrComesWithoutItsSound) {
    const struct {
        const char* name;
        const char* ini;
        DesktopState state;
        std::size_t notifications;
        bool sound;
    } cases[] = {
        {"locked", "", {.locked = true}, 0, false},
        {"do not disturb", "", {.doNotDisturb = true}, 1, false},
        {"presenting", "", {.presenting = true}, 1, false},
        {"quiet switched off", "QuietWhenBusy=0\n", {.locked = true}, 1, true},
    };
    for (const auto& c : cases) {
        WriteIni(c.ini);
        m_desktop.state = c.state;
        m_now = {2026, 12, 8, 9, 0, 30};
        MainWindow& window = OpenWindow();
        Click("run_background");
        m_tray.clear();
        m_engine.calls.clear();
        m_now = {2026, 12, 8, 10, 45, 1};
        window.GetReminder().Tick();
        m_desktop.state = {}; // unlocked again: no late reminder
        m_now = {2026, 12, 8, 10, 45, 3};
        window.GetReminder().Tick();
        PumpEvents(1300ms);
        EXPECT_EQ(TrayCalls("notify").size(), c.notifications) << c.name;
        EXPECT_EQ(!m_engine.calls.empty(), c.sound) << c.name;
        EXPECT_EQ(TrayCalls("show").back(), "show:Next Stillmark at 14:30") << c.name << ": counts as given";
        CloseWindow();
    }
}

TEST_F(MainWindowTest, ASnoozeRemindsOnceMoreWithTheTimeThenAndMovesNoMoment) {
    MainWindow& window = OpenWindow();
    Click("run_background");
    m_now = {2026, 12, 8, 10, 45, 1};
    window.GetReminder().Tick();
    m_now = {2026, 12, 8, 10, 45, 20};
    m_trayIcon->actionChosen(); // "In 5 minutes" on the reminder
    EXPECT_EQ(m_tray.back(), "show:Next Stillmark at 10:50");
    m_tray.clear();
    m_now = {2026, 12, 8, 10, 50, 20};
    window.GetReminder().Tick();
    m_now = {2026, 12, 8, 10, 50, 21};
    window.GetReminder().Tick();
    EXPECT_EQ(TrayCalls("notify"),
              std::vector<std::string>{"notify:Stillmark|It is 10:50\nStillmark time !|0|In 5 minutes"});
    EXPECT_EQ(m_tray.back(), "show:Next Stillmark at 14:30");
    EXPECT_EQ(Moments()[2], "14:30");

    // Put off again, then the day paused: the pause silences what was put off too.
    m_trayIcon->actionChosen();
    Menu(kIdPause);
    m_tray.clear();
    m_now = {2026, 12, 8, 10, 55, 22};
    window.GetReminder().Tick();
    EXPECT_TRUE(TrayCalls("notify").empty());
    EXPECT_EQ(window.GetReminder().SnoozedUntil(), std::nullopt);
}

TEST_F(MainWindowTest, TheIconsTipFollowsTheDaysAndThePause) {
    MainWindow& window = OpenWindow(); // Tuesday 09:00
    Click("run_background");
    EXPECT_EQ(TrayCalls("show").back(), "show:Next Stillmark at 10:45");
    Menu(kIdPause);
    EXPECT_EQ(m_tray.back(), "show:Paused for today");
    Menu(kIdPause);
    EXPECT_EQ(m_tray.back(), "show:Next Stillmark at 10:45");
    m_now = {2026, 12, 8, 22, 0, 1};
    window.GetReminder().Tick();
    EXPECT_EQ(m_tray.back(), "show:No more Stillmarks today");
    m_now = {2026, 12, 9, 0, 0, 0}; // midnight: the timer's wake for a new day
    window.GetReminder().Tick();
    EXPECT_EQ(m_tray.back(), "show:Next Stillmark at 07:00");
    CloseWindow();

    WriteIni("Days=1011111\n"); // Tuesday off
    m_now = {2026, 12, 8, 9, 0, 30};
    OpenWindow();
    Click("run_background");
    EXPECT_EQ(TrayCalls("show").back(), "show:No Stillmark today");
}

} // namespace
} // namespace stillmark::test
