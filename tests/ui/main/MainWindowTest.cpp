// Drives the real main window under a virtual display, with its services replaced.
#include "MainWindowFixture.h"

#include <cstdio>
#include <ctime>

#include <wx/uiaction.h>

using namespace stillmark;
using namespace stillmark::test;

namespace {

const std::string kTenKeysOfDefaults =
    "StartHour=07:00\nEndHour=22:00\nIncrement=30 min\nStillpoints=5\n"
    "SoundToPlay=Default\nUseSound=1\nStartMinimized=0\nUseAmPm=0\nShowTip=1\n"
    "SoundFilter=1\n";

TEST_F(MainWindowTest, FirstStartShowsTheDefaultsAndFiveMoments) {
    MainWindow& window = OpenWindow();
    EXPECT_EQ(Field("start_time")->GetValue(), "07:00");
    EXPECT_EQ(Field("end_time")->GetValue(), "22:00");
    EXPECT_EQ(Control<wxComboBox>("increment")->GetValue(), "30 min");
    EXPECT_EQ(Field("count")->GetValue(), "5");
    EXPECT_EQ(Field("sound_path")->GetValue(), "Default");
    EXPECT_TRUE(Control<wxCheckBox>("use_sound")->GetValue());
    EXPECT_FALSE(Control<wxCheckBox>("use_ampm")->GetValue());
    EXPECT_FALSE(Control<wxCheckBox>("start_minimized")->GetValue());
    EXPECT_TRUE(Control<wxCheckBox>("show_tip")->GetValue());
    EXPECT_EQ(Moments(), (std::vector<std::string>{"07:00", "10:45", "14:30", "18:15", "22:00"}));
    EXPECT_TRUE(window.IsShown());
    EXPECT_FALSE(window.IsModal());
    EXPECT_EQ(window.GetTitle(), "Stillmark");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(MainWindowTest, TypingIntoTheFieldsRebuildsTheListAtOnce) {
    MainWindow& window = OpenWindow(); // at 09:00:30
    // The reminder sleeps until the next moment of the list as it now stands.
    const auto armedFor = [this] {
        if (!m_wakeTimer.armedFor)
            return std::string("nothing");
        std::tm local{};
        localtime_r(&*m_wakeTimer.armedFor, &local);
        char text[32];
        std::snprintf(text, sizeof text, "%02d %02d:%02d:%02d", local.tm_mday, local.tm_hour, local.tm_min,
                      local.tm_sec);
        return std::string(text);
    };
    EXPECT_EQ(armedFor(), "08 10:45:00");
    Field("start_time")->SetValue("08:00");
    EXPECT_EQ(Moments().front(), "08:00");
    EXPECT_EQ(armedFor(), "08 11:30:00");
    Field("end_time")->SetValue("02:00");
    Field("start_time")->SetValue("22:00");
    EXPECT_EQ(Moments(), (std::vector<std::string>{"22:00", "23:00", "00:00", "01:00", "02:00"}));
    EXPECT_EQ(armedFor(), "08 22:00:00");
    Field("count")->SetValue("3");
    EXPECT_EQ(Moments(), (std::vector<std::string>{"22:00", "00:00", "02:00"}));
    EXPECT_EQ(window.Schedule().Moments().size(), 3u) << "the list shows the schedule";
    Field("start_time")->SetValue("24h");
    EXPECT_TRUE(Moments().empty());
    EXPECT_EQ(armedFor(), "nothing");
    EXPECT_EQ(window.CurrentSettings().startTime, "24h");
}

TEST_F(MainWindowTest, TimeSpinsStepByTheIncrement) {
    OpenWindow();
    auto* startSpin = Control<StepArrows>("start_spin");
    auto* endSpin = Control<StepArrows>("end_spin");
    Control<wxComboBox>("increment")->SetValue("15 min");
    startSpin->Step(+1);
    EXPECT_EQ(Field("start_time")->GetValue(), "07:15");
    EXPECT_EQ(Moments().front(), "07:15");
    endSpin->Step(-1);
    EXPECT_EQ(Field("end_time")->GetValue(), "21:45");
    Control<wxComboBox>("increment")->SetValue("1 hour");
    Field("end_time")->SetValue("23:30");
    endSpin->Step(+1);
    EXPECT_EQ(Field("end_time")->GetValue(), "00:30");
    Control<wxComboBox>("increment")->SetValue("90 min"); // reads as nothing: the time stays
    startSpin->Step(+1);
    EXPECT_EQ(Field("start_time")->GetValue(), "07:15");
}

TEST_F(MainWindowTest, CountSpinWrapsFromFortyToOne) {
    OpenWindow();
    auto* spin = Control<StepArrows>("count_spin");
    Field("count")->SetValue("40");
    EXPECT_EQ(Moments().size(), 40u);
    spin->Step(+1);
    EXPECT_EQ(Field("count")->GetValue(), "1");
    EXPECT_EQ(Moments(), std::vector<std::string>{"07:00"});
    spin->Step(-1);
    EXPECT_EQ(Field("count")->GetValue(), "40");
}

TEST_F(MainWindowTest, TheCountFieldTakesDigitsOnlyFromTheKeyboard) {
    MainWindow& window = OpenWindow();
    window.Raise();
    STILLMARK_FOCUS_OR_STOP(Field("count"));
    Field("count")->SelectAll();
    wxUIActionSimulator keyboard;
    keyboard.Text("1x2-A%!");
    PumpEvents(200ms);
    EXPECT_EQ(Field("count")->GetValue(), "12") << "Shift lets no letter or sign through";
    EXPECT_EQ(Moments().size(), 12u);
    EXPECT_TRUE(m_messages.shown.empty());
    keyboard.Char(WXK_UP);
    PumpEvents(100ms);
    EXPECT_EQ(Field("count")->GetValue(), "13") << "Up steps the count";
}

TEST_F(MainWindowTest, TabFollowsTheReadingOrder) {
    MainWindow& window = OpenWindow();
    window.Raise();
    STILLMARK_FOCUS_OR_STOP(Field("start_time"));
    std::vector<std::string> order{"start_time"};
    wxUIActionSimulator keyboard;
    for (int presses = 0; presses < 35 && order.size() < 28; ++presses) {
        keyboard.Char(WXK_TAB);
        PumpEvents(30ms);
        // The combo box's own arrow button is a stop of GTK's, with no window of the program's.
        if (wxWindow* focus = wxWindow::FindFocus())
            order.push_back(focus->GetName().utf8_string());
    }
    const std::vector<std::string> expected = {"start_time",
                                               "start_spin",
                                               "end_time",
                                               "end_spin",
                                               "increment",
                                               "count",
                                               "count_spin",
                                               "use_sound",
                                               "use_ampm",
                                               "start_minimized",
                                               "start_with_desktop",
                                               "quiet_when_busy",
                                               "moments",
                                               "day",
                                               "day",
                                               "day",
                                               "day",
                                               "day",
                                               "day",
                                               "day",
                                               "sound_path",
                                               "browse_sound",
                                               "play_sound",
                                               "stop_sound",
                                               "show_tip",
                                               "run_background",
                                               "close",
                                               "about"};
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, AmPmRelabelsBothTimesAndTheList) {
    OpenWindow();
    Click("use_ampm");
    EXPECT_EQ(Field("start_time")->GetValue(), "07:00 am");
    EXPECT_EQ(Field("end_time")->GetValue(), "10:00 pm");
    EXPECT_EQ(Moments(),
              (std::vector<std::string>{"07:00 am", "10:45 am", "02:30 pm", "06:15 pm", "10:00 pm"}));
    Click("use_ampm");
    EXPECT_EQ(Field("start_time")->GetValue(), "07:00");
    EXPECT_EQ(Moments().back(), "22:00");
}

TEST_F(MainWindowTest, ARefusedCountStopsTheReadingAndKeepsTheLastValues) {
    MainWindow& window = OpenWindow();
    // Read before the count: the sound switch. After it: the increment and the times.
    Control<wxCheckBox>("use_sound")->SetValue(false);
    Control<wxComboBox>("increment")->ChangeValue("5 min");
    Field("end_time")->ChangeValue("20:00");
    Field("count")->SetValue("");
    EXPECT_EQ(m_messages.shown, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(window.CurrentSettings().momentCount, 5);
    EXPECT_FALSE(window.CurrentSettings().useSound);
    EXPECT_EQ(window.CurrentSettings().increment, "30 min");
    EXPECT_EQ(window.CurrentSettings().endTime, "22:00");
    EXPECT_EQ(Moments().size(), 5u);
}

TEST_F(MainWindowTest, EscapeEndsAndWritesTheSettingsInOrder) {
    OpenWindow();
    Field("start_time")->SetValue("08:30");
    PressEscape();
    EXPECT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 2s)) << "Escape ends the window";
    EXPECT_EQ(ReadIni().rfind("[Settings]\nStartHour=08:30\nEndHour=22:00\nIncrement=30 min\nStillpoints=5\n"
                              "SoundToPlay=Default\nUseSound=1\nStartMinimized=0\nUseAmPm=0\nShowTip=1\n"
                              "SoundFilter=1\n",
                              0),
              0u)
        << ReadIni();
}

TEST_F(MainWindowTest, AnUnchangedRunStillLeavesEverySettingInTheFile) {
    OpenWindow();
    Click("close");
    EXPECT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 2s));
    EXPECT_NE(ReadIni().find(kTenKeysOfDefaults), std::string::npos) << ReadIni();
}

TEST_F(MainWindowTest, StoredPositionIsAppliedUnlessOffEveryScreen) {
    WriteIni("WinPosLTX=100\nWinPosLTY=80\nWinPosRBX=625\nWinPosRBY=350\n");
    EXPECT_EQ(OpenWindow().GetPosition(), wxPoint(100, 80));
    CloseWindow();
    WriteIni("WinPosLTX=-5000\nWinPosLTY=-5000\nWinPosRBX=-4475\nWinPosRBY=-4730\n");
    const wxPoint centred = OpenWindow().GetPosition();
    EXPECT_GE(centred.x, 0);
    EXPECT_GE(centred.y, 0);
}

TEST_F(MainWindowTest, RunBackgroundStoresThePositionShowsTheIconAndHides) {
    MainWindow& window = OpenWindow();
    window.Move(120, 90);
    PumpEvents(30ms);
    Click("run_background");
    EXPECT_FALSE(window.IsShown());
    EXPECT_EQ(m_tray,
              (std::vector<std::string>{"show:Next Stillmark at 10:45",
                                        "notify:Stillmark|Stillmark now runs in the notification area\n"
                                        "Click on the icon to show the dialog again|0"}));
    EXPECT_NE(ReadIni().find("WinPosLTX=120\nWinPosLTY=90\n"), std::string::npos) << ReadIni();

    m_trayClick(TrayClick::LeftPress);
    EXPECT_TRUE(window.IsShown());
    EXPECT_EQ(m_tray.back(), "hide");
}

TEST_F(MainWindowTest, TheIconsMenuOpensAndExitEnds) {
    OpenWindow();
    Field("start_time")->SetValue("06:00");
    Click("run_background");
    m_trayClick(TrayClick::MenuRequest);
    EXPECT_EQ(m_tray.back(), "menu");
    Menu(wxID_EXIT);
    EXPECT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 2s));
    EXPECT_EQ(m_tray.back(), "hide");
    EXPECT_NE(ReadIni().find("StartHour=06:00"), std::string::npos);
}

TEST_F(MainWindowTest, StartMinimizedGoesToTheBackgroundWithoutABalloonAndStaysHidden) {
    WriteIni("StartMinimized=1\nWinPosLTX=100\nWinPosLTY=80\nWinPosRBX=625\nWinPosRBY=350\n");
    MainWindow& window = OpenWindow();
    PumpEvents(150ms);
    EXPECT_FALSE(window.IsShown());
    EXPECT_EQ(m_tray, std::vector<std::string>{"show:Next Stillmark at 10:45"});
    Menu(kIdShow);
    EXPECT_TRUE(window.IsShown());
    EXPECT_EQ(window.GetPosition(), wxPoint(100, 80));
}

TEST_F(MainWindowTest, StartMinimizedTwoGoesToTheBackgroundButShowsTheWindow) {
    WriteIni("StartMinimized=2\n");
    MainWindow& window = OpenWindow();
    EXPECT_TRUE(window.IsShown());
    EXPECT_TRUE(m_trayIcon->shown);
}

TEST_F(MainWindowTest, WithoutANotificationAreaTheWindowIsMinimisedNotHidden) {
    m_hasTray = false;
    MainWindow& window = OpenWindow();
    Click("run_background");
    EXPECT_TRUE(window.IsShown());
    EXPECT_TRUE(m_trayIcon->shown) << "balloons still come as notifications";
    wxIconizeEvent restored(window.GetId(), false); // restoring the window is the way back
    restored.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(restored);
    EXPECT_FALSE(m_trayIcon->shown);
}

TEST_F(MainWindowTest, AMomentAlertsWithBalloonAndTheSoundASecondLater) {
    MainWindow& window = OpenWindow();
    Click("run_background");
    m_tray.clear();
    m_now = {2026, 12, 8, 10, 45, 1};
    window.GetReminder().Tick();
    EXPECT_EQ(m_tray,
              (std::vector<std::string>{"notify:Stillmark|It is 10:45\nStillmark time !|0|In 5 minutes",
                                        "show:Next Stillmark at 14:30"}));
    EXPECT_EQ(Control<wxListBox>("moments")->GetStringSelection(), "10:45");
    EXPECT_TRUE(m_engine.calls.empty()) << "the sound waits a second, without blocking";
    EXPECT_TRUE(PumpUntil([this] { return !m_engine.calls.empty(); }, 2s));
    EXPECT_EQ(m_engine.calls, std::vector<std::string>{"PlayWaveMemory"});

    m_now = {2026, 12, 8, 10, 45, 2};
    window.GetReminder().Tick();
    EXPECT_EQ(TrayCalls("notify").size(), 1u) << "once per moment";
}

TEST_F(MainWindowTest, EqualMomentsEachAlertInOneTick) {
    WriteIni("StartHour=07:00\nEndHour=07:00\nStillpoints=3\n");
    MainWindow& window = OpenWindow();
    Click("run_background");
    m_now = {2026, 12, 8, 7, 0, 0};
    window.GetReminder().Tick();
    EXPECT_EQ(TrayCalls("notify:Stillmark|It is 07:00").size(), 3u);
    EXPECT_TRUE(PumpUntil([this] { return !m_engine.calls.empty(); }, 2s)) << "and the sound follows";
}

TEST_F(MainWindowTest, SoundOffMeansNoSoundAndAFileNameIsPlayedAsAFile) {
    WriteIni("UseSound=0\n");
    MainWindow& first = OpenWindow();
    m_now = {2026, 12, 8, 7, 0, 0};
    first.GetReminder().Tick();
    PumpEvents(1200ms);
    EXPECT_TRUE(m_engine.calls.empty());

    CloseWindow();
    WriteIni("SoundToPlay=DEFAULT\n");
    MainWindow& second = OpenWindow();
    m_now = {2026, 12, 8, 22, 0, 3};
    second.GetReminder().Tick();
    PumpEvents(1200ms);
    for (const std::string& sound : m_engine.calls)
        EXPECT_NE(sound, "PlayWaveMemory") << "DEFAULT is a file name at a moment";
}

TEST_F(MainWindowTest, AboutOpensFromTheButtonAndTheMenu) {
    OpenWindow();
    Click("about");
    Menu(wxID_ABOUT);
    EXPECT_EQ(m_aboutOpened, 2);
}

TEST_F(MainWindowTest, TheSoundFieldShowsThePathsEndAndKeepsTheFullPath) {
    const std::string longPath = "/home/someone/Music/A very long folder name/and another one/bell.wav";
    WriteIni("SoundToPlay=" + longPath + "\n");
    MainWindow& window = OpenWindow();
    const std::string shown(Field("sound_path")->GetValue().utf8_str());
    ASSERT_EQ(shown.rfind("...", 0), 0u) << shown;
    EXPECT_TRUE(shown.ends_with("bell.wav"));
    EXPECT_EQ(window.CurrentSettings().reminderSound, longPath);

    auto leave = [this](const std::string& text) {
        Field("sound_path")->ChangeValue(wxString::FromUTF8(text));
        wxFocusEvent event(wxEVT_KILL_FOCUS, Field("sound_path")->GetId());
        event.SetEventObject(Field("sound_path"));
        Field("sound_path")->GetEventHandler()->ProcessEvent(event);
    };
    leave(shown + "x"); // an edited shortened text stores nothing
    EXPECT_EQ(window.CurrentSettings().reminderSound, longPath);
    leave("");
    EXPECT_EQ(window.CurrentSettings().reminderSound, "");
    CloseWindow();
    EXPECT_NE(ReadIni().find("SoundToPlay=\n"), std::string::npos);
}

TEST_F(MainWindowTest, ASoundPathTypedBeforeEscapeIsKept) {
    OpenWindow();
    STILLMARK_FOCUS_OR_STOP(Field("sound_path"));
    Field("sound_path")->ChangeValue("/tmp/typed.wav");
    PressEscape();
    EXPECT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 2s));
    EXPECT_NE(ReadIni().find("SoundToPlay=/tmp/typed.wav\n"), std::string::npos);
}

} // namespace
