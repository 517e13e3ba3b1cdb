// The window through the working week: days off and the pause keep the moments listed but silent,
// the pause is stored and offered back, and the window follows a notification area that comes or goes.
#include "MainWindowFixture.h"
#include "schedule/WeekDays.h"

#include <algorithm>
#include <array>
#include <wx/stattext.h>

namespace stillmark::test {
namespace {

// The toggles by their day, Monday first, after checking they read the locale's week in its order.
std::array<wxToggleButton*, 7> DayToggles(wxWindow& window) {
    const std::vector<wxToggleButton*> found = FindDayToggles(window);
    const std::vector<DayToggle> week = LocaleDayToggles();
    std::array<wxToggleButton*, 7> byDay{};
    EXPECT_EQ(found.size(), week.size());
    for (std::size_t i = 0; i < std::min(found.size(), week.size()); ++i) {
        EXPECT_EQ(found[i]->GetLabel().utf8_string(), week[i].label);
        byDay[static_cast<std::size_t>(week[i].position)] = found[i];
    }
    return byDay;
}

std::string Pressed(const std::array<wxToggleButton*, 7>& toggles) {
    std::string days;
    for (wxToggleButton* toggle : toggles)
        days += toggle && toggle->GetValue() ? '1' : '0';
    return days;
}

// The line under the list as it reads, its wrapping undone.
std::string HintUnderTheList(wxWindow& window) {
    std::string text = XRCCTRL(window, "quiet_hint", wxStaticText)->GetLabel().utf8_string();
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string ArmedFor(const std::optional<std::time_t>& when) {
    if (!when)
        return "nothing";
    std::tm local{};
    localtime_r(&*when, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d %02d:%02d", local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

TEST_F(MainWindowTest, ADayToggleStoresTheDaysAndReArmsTheReminder) {
    // Tuesday 2026-12-08, 09:00:30. A malformed value stays through other changes, until a day changes.
    const struct {
        const char* ini;
        std::string pressed;
        int toggle; // Monday 0
        std::string days;
        const char* armedFor;
    } cases[] = {
        {"", "1111111", 6, "1111110", "08 10:45"},
        {"Days=1111100\n", "1111100", 6, "1111101", "08 10:45"},
        {"Days=every day\n", "1111111", 1, "1011111", "09 00:00"}, // today off: next look at midnight
        {"Days=0000000\n", "0000000", 1, "0100000", "08 10:45"},
    };
    for (const auto& c : cases) {
        WriteIni(c.ini);
        MainWindow& window = OpenWindow();
        const std::array<wxToggleButton*, 7> toggles = DayToggles(window);
        ASSERT_TRUE(toggles[6]) << c.ini;
        EXPECT_EQ(Pressed(toggles), c.pressed) << c.ini;
        Field("count")->SetValue("6");
        window.SaveSettingsNow();
        EXPECT_NE(ReadIni().find(c.ini), std::string::npos) << "kept until a day changes: " << c.ini;

        wxToggleButton* toggle = toggles[static_cast<std::size_t>(c.toggle)];
        toggle->SetValue(!toggle->GetValue());
        wxCommandEvent event(wxEVT_TOGGLEBUTTON, toggle->GetId());
        event.SetEventObject(toggle);
        toggle->GetEventHandler()->ProcessEvent(event);
        Field("count")->SetValue("5");
        EXPECT_EQ(ArmedFor(m_wakeTimer.armedFor), c.armedFor) << c.ini;
        window.SaveSettingsNow();
        EXPECT_NE(ReadIni().find("Days=" + c.days + "\n"), std::string::npos) << c.ini << ReadIni();
        CloseWindow();
    }
}

TEST_F(MainWindowTest, StartWithTheDesktopFollowsTheAutostartEntry) {
    const std::filesystem::path entry = m_dir / "autostart" / "stillmark.desktop";
    const struct {
        const char* existing; // the entry at start; nullptr: none, "folder": the folder cannot be made
        bool checked;
        bool afterClick;
    } cases[] = {
        {nullptr, false, true},
        {"[Desktop Entry]\nType=Application\nExec=/bin/true\n", true, false},
        {"[Desktop Entry]\nType=Application\nExec=/bin/true\nHidden=true\n", false, true},
        {"folder", false, false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(m_dir / "autostart");
        m_messages.shown.clear();
        const bool folderBlocked = c.existing && std::string(c.existing) == "folder";
        if (folderBlocked) {
            std::ofstream(m_dir / "autostart") << "a file where the folder goes";
        } else if (c.existing) {
            std::filesystem::create_directories(entry.parent_path());
            std::ofstream(entry) << c.existing;
        }
        OpenWindow();
        auto* box = Control<wxCheckBox>("start_with_desktop");
        ASSERT_TRUE(box);
        EXPECT_EQ(box->GetValue(), c.checked) << (c.existing ? c.existing : "none");
        Click("start_with_desktop");
        EXPECT_EQ(box->GetValue(), c.afterClick) << (c.existing ? c.existing : "none");
        EXPECT_EQ(std::filesystem::exists(entry), c.afterClick);
        EXPECT_EQ(m_messages.shown.size(), folderBlocked ? 1u : 0u) << "a failure is told";
        if (c.afterClick) {
            std::ifstream in(entry);
            std::stringstream text;
            text << in.rdbuf();
            EXPECT_NE(text.str().find("\nExec=/bin/true\n"), std::string::npos) << text.str();
            EXPECT_EQ(text.str().find("Hidden"), std::string::npos);
        }
        EXPECT_EQ(ReadIni().find("desktop"), std::string::npos) << "not a setting";
        CloseWindow();
    }
}

TEST_F(MainWindowTest, DaysOffAndThePausedDayListTheMomentsButDoNotAlert) {
    // 2026-12-08 is a Tuesday.
    const struct {
        const char* ini;
        bool alerts;
        const char* hint; // under the list
    } cases[] = {
        {"", true, ""},
        {"Days=1111100\n", true, ""},
        {"Days=1011111\n", false, ""},
        {"Days=every day\n", true, ""},
        {"PausedOn=2026-12-08\n", false, "Paused for today"},
        {"PausedOn=2026-12-07\n", true, ""},
        {"Days=1111100\nPausedOn=2026-12-08\n", false, "Paused for today"},
        {"Days=0000000\nPausedOn=2026-12-08\n", false, "No Stillmark on any day"},
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
        EXPECT_EQ(HintUnderTheList(window), c.hint) << c.ini;
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
    EXPECT_EQ(ArmedFor(m_wakeTimer.armedFor), "08 10:45");
    Menu(kIdPause);
    EXPECT_TRUE(m_trayIcon->paused) << "the menu offers to resume";
    EXPECT_NE(ReadIni().find("PausedOn=2026-12-08"), std::string::npos) << "stored at once";
    EXPECT_EQ(ArmedFor(m_wakeTimer.armedFor), "09 00:00") << "nothing more today";
    m_now = {2026, 12, 8, 10, 45, 1};
    window.GetReminder().Tick();
    EXPECT_TRUE(TrayCalls("notify:Stillmark|It is").empty());
    CloseWindow();

    m_now = {2026, 12, 8, 11, 0, 0};
    OpenWindow(); // a restart keeps the pause
    EXPECT_TRUE(m_trayIcon->paused);
    Menu(kIdPause);
    EXPECT_FALSE(m_trayIcon->paused);
    EXPECT_NE(ReadIni().find("PausedOn=\n"), std::string::npos);
    EXPECT_EQ(ArmedFor(m_wakeTimer.armedFor), "08 14:30") << "the day's next moment alerts";
}

TEST_F(MainWindowTest, AnOvernightWindowsPauseCoversItsMomentsAfterMidnight) {
    WriteIni("StartHour=22:00\nEndHour=02:00\n"); // 22:00 23:00 00:00 01:00 02:00
    m_now = {2026, 12, 8, 23, 30, 0};
    MainWindow& window = OpenWindow();
    Click("run_background");
    Menu(kIdPause);
    EXPECT_NE(ReadIni().find("PausedOn=2026-12-08"), std::string::npos);
    EXPECT_EQ(HintUnderTheList(window), "Paused for today");
    m_now = {2026, 12, 9, 1, 0, 1};
    window.GetReminder().Tick();
    EXPECT_TRUE(TrayCalls("notify:Stillmark|It is").empty()) << "Tuesday's night is paused";

    // Resumed and paused again after midnight: still Tuesday's window that is paused.
    m_now = {2026, 12, 9, 1, 30, 0};
    Menu(kIdPause);
    EXPECT_EQ(HintUnderTheList(window), "");
    Menu(kIdPause);
    EXPECT_NE(ReadIni().find("PausedOn=2026-12-08"), std::string::npos);
    m_now = {2026, 12, 9, 2, 0, 1};
    window.GetReminder().Tick();
    EXPECT_TRUE(TrayCalls("notify:Stillmark|It is").empty());
    EXPECT_EQ(ArmedFor(m_wakeTimer.armedFor), "09 22:00") << "Wednesday's window alerts";
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
