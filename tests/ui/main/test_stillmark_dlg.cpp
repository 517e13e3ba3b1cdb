// Drives the real main window under a virtual display, with its seams replaced.
#include "../tray/RecordingTrayIcon.h"
#include "DialogTestDoubles.h"
#include "EventPump.h"
#include "XmlResources.h"
#include "settings/SettingsStore.h"
#include "ui/main/StillmarkDlg.h"
#include "ui/main/UpDownCtrl.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/xrc/xmlres.h>

using namespace stillmark;
using namespace stillmark::test;
using namespace std::chrono_literals;

namespace {

void LoadResourcesOnce() {
    static bool loaded = false;
    if (loaded)
        return;
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    wxXmlResource::Get()->AddHandler(new CUpDownCtrlXmlHandler);
    InitXmlResource();
    loaded = true;
}

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadResourcesOnce();
        m_dir = std::filesystem::temp_directory_path() /
                ("stillmark-dlg-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        m_ini = m_dir / "stillmark.INI";
    }
    void TearDown() override {
        CloseDialog();
        std::filesystem::remove_all(m_dir);
    }

    void WriteIni(const std::string& body) { std::ofstream(m_ini) << "[Settings]\n" << body; }
    std::string ReadIni() const {
        std::ifstream in(m_ini);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    CStillmarkDlg& OpenDialog() {
        StillmarkDlgServices services;
        services.settings = std::make_unique<SettingsStore>(m_ini);
        services.clock = std::make_unique<FakeClock>(m_now);
        services.soundEngine = std::make_unique<RecordingSoundEngine>(m_sounds);
        services.makeNotifyIcon = [this](wxWindow&, const wxIcon&, std::function<void(TrayClick)>) {
            auto icon = std::make_unique<RecordingTrayIcon>();
            icon->hasTray = m_trayAvailable;
            m_icon = icon.get();
            return icon;
        };
        services.showAbout = [this](wxWindow*, InfoServices&) { ++m_aboutOpened; };
        m_dialog = new CStillmarkDlg(nullptr, std::move(services));
        m_dialog->StartDialog();
        PumpEvents(50ms);
        return *m_dialog;
    }
    void CloseDialog() {
        if (m_dialog) {
            m_dialog->Destroy();
            m_dialog = nullptr;
            PumpEvents(20ms);
        }
    }

    template <typename T> T* Control(int id) { return dynamic_cast<T*>(m_dialog->FindWindow(id)); }
    wxTextCtrl* Edit(int id) { return Control<wxTextCtrl>(id); }

    std::vector<std::string> Moments() {
        std::vector<std::string> texts;
        wxTreeCtrl* tree = m_dialog->m_treeMoments;
        wxTreeItemIdValue cookie;
        for (auto item = tree->GetFirstChild(tree->GetRootItem(), cookie); item.IsOk();
             item = tree->GetNextSibling(item))
            texts.emplace_back(tree->GetItemText(item).utf8_str());
        return texts;
    }

    void Click(int id, wxEventType type = wxEVT_BUTTON) {
        wxCommandEvent event(type, id);
        event.SetEventObject(m_dialog->FindWindow(id));
        if (auto* check = Control<wxCheckBox>(id)) {
            check->SetValue(!check->GetValue());
            event.SetInt(check->GetValue());
        }
        m_dialog->FindWindow(id)->GetEventHandler()->ProcessEvent(event);
    }

    void PressEscape() {
        wxKeyEvent escape(wxEVT_CHAR_HOOK);
        escape.m_keyCode = WXK_ESCAPE;
        escape.SetEventObject(m_dialog);
        m_dialog->GetEventHandler()->ProcessEvent(escape);
    }

    std::filesystem::path m_dir, m_ini;
    ClockReading m_now{2026, 12, 8, 9, 0, 30};
    std::vector<std::string> m_sounds;
    bool m_trayAvailable = true;
    RecordingTrayIcon* m_icon = nullptr;
    int m_aboutOpened = 0;
    RecordingMessageBox m_messages;
    CStillmarkDlg* m_dialog = nullptr;
};

} // namespace

TEST_F(MainDialogTest, FirstStartShowsTheDefaultsAndFiveMoments) {
    CStillmarkDlg& dlg = OpenDialog();
    EXPECT_EQ(Edit(1015)->GetValue(), "07:00");
    EXPECT_EQ(Edit(1016)->GetValue(), "22:00");
    EXPECT_EQ(Control<wxComboBox>(2001)->GetValue(), "30 min");
    EXPECT_EQ(Edit(1009)->GetValue(), "5");
    EXPECT_EQ(Edit(1005)->GetValue(), "Default");
    EXPECT_TRUE(Control<wxCheckBox>(1013)->GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(1017)->GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(1018)->GetValue());
    EXPECT_TRUE(Control<wxCheckBox>(1019)->GetValue());
    EXPECT_EQ(Moments(), (std::vector<std::string>{"07:00", "10:45", "14:30", "18:15", "22:00"}));
    EXPECT_TRUE(dlg.IsShown());
    EXPECT_EQ(dlg.GetTitle(), "Stillmark");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(MainDialogTest, TypingIntoTheFieldsRebuildsTheListAtOnce) {
    OpenDialog();
    Edit(1015)->SetValue("08:00");
    EXPECT_EQ(Moments().front(), "08:00");
    Edit(1016)->SetValue("02:00");
    Edit(1015)->SetValue("22:00");
    EXPECT_EQ(Moments(), (std::vector<std::string>{"22:00", "23:00", "00:00", "01:00", "02:00"}));
    Edit(1009)->SetValue("3");
    EXPECT_EQ(Moments(), (std::vector<std::string>{"22:00", "00:00", "02:00"}));
    Edit(1015)->SetValue("24h");
    EXPECT_TRUE(Moments().empty());
    EXPECT_EQ(m_dialog->m_strStartTime, "24h");
}

TEST_F(MainDialogTest, TimeSpinsStepByTheIncrement) {
    CStillmarkDlg& dlg = OpenDialog();
    Control<wxComboBox>(2001)->SetValue("15 min");
    dlg.m_spinStartTime->Step(+1);
    EXPECT_EQ(Edit(1015)->GetValue(), "07:15");
    EXPECT_EQ(Moments().front(), "07:15");
    dlg.m_spinEndTime->Step(-1);
    EXPECT_EQ(Edit(1016)->GetValue(), "21:45");
    Control<wxComboBox>(2001)->SetValue("1 hour");
    Edit(1016)->SetValue("23:30");
    dlg.m_spinEndTime->Step(+1);
    EXPECT_EQ(Edit(1016)->GetValue(), "00:30");
    Control<wxComboBox>(2001)->SetValue("90 min"); // reads as nothing: the time stays
    dlg.m_spinStartTime->Step(+1);
    EXPECT_EQ(Edit(1015)->GetValue(), "07:15");
}

TEST_F(MainDialogTest, CountSpinWrapsFromFortyToOne) {
    CStillmarkDlg& dlg = OpenDialog();
    Edit(1009)->SetValue("40");
    EXPECT_EQ(Moments().size(), 40u);
    dlg.m_spinStillmarks->Step(+1);
    EXPECT_EQ(Edit(1009)->GetValue(), "1");
    EXPECT_EQ(Moments(), std::vector<std::string>{"07:00"});
    dlg.m_spinStillmarks->Step(-1);
    EXPECT_EQ(Edit(1009)->GetValue(), "40");
}

TEST_F(MainDialogTest, AmPmRelabelsBothTimesAndTheList) {
    CStillmarkDlg& dlg = OpenDialog();
    int deletedItems = 0; // each rebuild deletes the five listed moments
    dlg.m_treeMoments->Bind(wxEVT_TREE_DELETE_ITEM, [&](wxTreeEvent& e) {
        ++deletedItems;
        e.Skip();
    });
    Click(1017, wxEVT_CHECKBOX);
    EXPECT_EQ(deletedItems, 5) << "the list is rebuilt exactly once";
    EXPECT_EQ(Edit(1015)->GetValue(), "07:00 am");
    EXPECT_EQ(Edit(1016)->GetValue(), "10:00 pm");
    EXPECT_EQ(Moments(),
              (std::vector<std::string>{"07:00 am", "10:45 am", "02:30 pm", "06:15 pm", "10:00 pm"}));
    Click(1017, wxEVT_CHECKBOX);
    EXPECT_EQ(Edit(1015)->GetValue(), "07:00");
    EXPECT_EQ(Moments().back(), "22:00");
}

TEST_F(MainDialogTest, AnEmptiedCountIsRefusedOnceAndKeepsTheLastCount) {
    CStillmarkDlg& dlg = OpenDialog();
    Edit(1009)->SetValue("");
    EXPECT_EQ(m_messages.shown, std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(dlg.m_nStillmarks, 5);
    EXPECT_EQ(Moments().size(), 5u);
}

TEST_F(MainDialogTest, EscapeEndsAndWritesTheTenSettingsInOrder) {
    OpenDialog();
    Edit(1015)->SetValue("08:30");
    PressEscape();
    CloseDialog();
    EXPECT_EQ(ReadIni(), "[Settings]\nStartHour=08:30\nEndHour=22:00\nIncrement=30 min\nStillpoints=5\n"
                         "SoundToPlay=Default\nUseSound=1\nStartMinimized=0\nUseAmPm=0\nShowTip=1\n"
                         "SoundFilter=1\n");
}

TEST_F(MainDialogTest, StoredPositionIsApplied) {
    WriteIni("WinPosLTX=100\nWinPosLTY=80\nWinPosRBX=625\nWinPosRBY=350\n");
    CStillmarkDlg& dlg = OpenDialog();
    EXPECT_EQ(dlg.GetPosition(), wxPoint(100, 80));
}

TEST_F(MainDialogTest, APositionOffEveryScreenIsCentred) {
    WriteIni("WinPosLTX=-5000\nWinPosLTY=-5000\nWinPosRBX=-4475\nWinPosRBY=-4730\n");
    CStillmarkDlg& dlg = OpenDialog();
    EXPECT_GE(dlg.GetPosition().x, 0);
    EXPECT_GE(dlg.GetPosition().y, 0);
}

TEST_F(MainDialogTest, RunBackgroundStoresThePositionAddsTheIconAndHides) {
    CStillmarkDlg& dlg = OpenDialog();
    dlg.Move(120, 90);
    PumpEvents(30ms);
    Click(1);
    EXPECT_FALSE(dlg.IsShown());
    using Kind = RecordingTrayIcon::Kind;
    ASSERT_EQ(m_icon->Kinds(), (std::vector<Kind>{Kind::Show, Kind::Notify}));
    EXPECT_EQ(m_icon->calls[0].tip, "Stillmark, your loyal break");
    const auto balloon = m_icon->calls[1];
    EXPECT_EQ(balloon.title, "Stillmark");
    EXPECT_EQ(balloon.text,
              "Stillmark now runs in the notification area\nClick on the icon to show the dialog again");
    EXPECT_EQ(balloon.seconds, 2);
    EXPECT_NE(ReadIni().find("WinPosLTX=120\nWinPosLTY=90\n"), std::string::npos);

    dlg.OnNotifyIcon(TrayClick::LeftPress);
    EXPECT_TRUE(dlg.IsShown());
    EXPECT_EQ(m_icon->Kinds(), (std::vector<Kind>{Kind::Show, Kind::Notify, Kind::Hide}));
}

TEST_F(MainDialogTest, RightButtonOpensTheMenuAndExitEnds) {
    CStillmarkDlg& dlg = OpenDialog();
    Click(1);
    dlg.OnNotifyIcon(TrayClick::MenuRequest);
    EXPECT_EQ(m_icon->showMenuCount, 1);
    wxCommandEvent exitCommand(wxEVT_MENU, wxID_EXIT);
    dlg.GetEventHandler()->ProcessEvent(exitCommand);
    EXPECT_FALSE(m_icon->iconShown);
    CloseDialog();
    EXPECT_NE(ReadIni().find("StartHour=07:00"), std::string::npos);
}

TEST_F(MainDialogTest, StartMinimizedGoesToTheBackgroundWithoutABalloon) {
    WriteIni("StartMinimized=1\n");
    CStillmarkDlg& dlg = OpenDialog();
    PumpEvents(100ms);
    EXPECT_FALSE(dlg.IsShown());
    ASSERT_EQ(m_icon->CallsOf(RecordingTrayIcon::Kind::Show).size(), 1u);
    for (const auto& notify : m_icon->CallsOf(RecordingTrayIcon::Kind::Notify))
        EXPECT_EQ(notify.text, "") << "no balloon";
    dlg.Show(); // the framework's later show requests stay without effect
    EXPECT_FALSE(dlg.IsShown());
    wxCommandEvent show(wxEVT_MENU, kIdShow);
    dlg.GetEventHandler()->ProcessEvent(show);
    EXPECT_TRUE(dlg.IsShown());
}

TEST_F(MainDialogTest, WithoutANotificationAreaTheWindowIsNeverHiddenForGood) {
    m_trayAvailable = false;
    CStillmarkDlg& dlg = OpenDialog();
    Click(1);
    EXPECT_TRUE(dlg.IsShown());
    EXPECT_TRUE(m_icon->iconShown) << "balloons still come as notifications";
}

TEST_F(MainDialogTest, AMomentAlertsWithBalloonPauseAndSound) {
    CStillmarkDlg& dlg = OpenDialog();
    Click(1);
    m_icon->calls.clear();
    m_now = {2026, 12, 8, 10, 45, 1};
    dlg.OnTimerTick();
    using Kind = RecordingTrayIcon::Kind;
    ASSERT_EQ(m_icon->Kinds(), (std::vector<Kind>{Kind::Show, Kind::Notify}));
    EXPECT_EQ(m_icon->calls[0].tip, "Stillmark, your daily break !");
    EXPECT_EQ(m_icon->calls[1].title, "Stillmark");
    EXPECT_EQ(m_icon->calls[1].text, "It is 10:45\nStillmark time !");
    EXPECT_EQ(m_icon->calls[1].seconds, 3);
    EXPECT_TRUE(m_sounds.empty()) << "the sound follows a second later, from the main loop";
    ASSERT_TRUE(PumpUntil([&] { return !m_sounds.empty(); }, 3s));
    EXPECT_EQ(m_sounds, std::vector<std::string>{"wave:memory"});
    EXPECT_EQ(dlg.m_treeMoments->GetItemText(dlg.m_treeMoments->GetSelection()), "10:45");

    m_now = {2026, 12, 8, 10, 45, 2};
    dlg.OnTimerTick();
    EXPECT_EQ(m_icon->CallsOf(Kind::Notify).size(), 1u);
}

TEST_F(MainDialogTest, SoundOffMeansNoPauseAndAFileNameIsPlayedAsAFile) {
    WriteIni("UseSound=0\n");
    CStillmarkDlg& dlg = OpenDialog();
    m_now = {2026, 12, 8, 7, 0, 0};
    dlg.OnTimerTick();
    PumpEvents(1200ms);
    EXPECT_TRUE(m_sounds.empty());

    CloseDialog();
    WriteIni("SoundToPlay=DEFAULT\n");
    CStillmarkDlg& second = OpenDialog();
    m_now = {2026, 12, 8, 22, 0, 3};
    second.OnTimerTick();
    PumpEvents(1200ms);
    for (const std::string& sound : m_sounds)
        EXPECT_NE(sound, "wave:memory") << "DEFAULT is a file name at a moment";
}

TEST_F(MainDialogTest, AboutOpensFromTheButtonAndTheMenu) {
    CStillmarkDlg& dlg = OpenDialog();
    Click(4);
    wxCommandEvent about(wxEVT_MENU, wxID_ABOUT);
    dlg.GetEventHandler()->ProcessEvent(about);
    EXPECT_EQ(m_aboutOpened, 2);
}

TEST_F(MainDialogTest, StartMinimizedTwoGoesToTheBackgroundButShowsTheWindow) {
    WriteIni("StartMinimized=2\n");
    CStillmarkDlg& dlg = OpenDialog();
    EXPECT_TRUE(dlg.IsShown());
    EXPECT_TRUE(m_icon->iconShown);
}

TEST_F(MainDialogTest, TheSoundFieldKeepsTheFullPathAndIgnoresShortenedTexts) {
    const std::string longPath = "/home/someone/Music/A very long folder name/and another one/bell.wav";
    WriteIni("SoundToPlay=" + longPath + "\n");
    CStillmarkDlg& dlg = OpenDialog();
    const std::string shown(Edit(1005)->GetValue().utf8_str());
    ASSERT_EQ(shown.rfind("...", 0), 0u) << shown;
    EXPECT_EQ(dlg.m_strSound, longPath);
    dlg.ShowSoundPath(shown + "x"); // an edited shortened text stores nothing
    EXPECT_EQ(dlg.m_strSound, longPath);
    dlg.ShowSoundPath("");
    EXPECT_EQ(dlg.m_strSound, "");
    CloseDialog();
    EXPECT_NE(ReadIni().find("SoundToPlay=\n"), std::string::npos);
}

TEST_F(MainDialogTest, StartMinimizedStaysHiddenAtAStoredPosition) {
    WriteIni("StartMinimized=1\nWinPosLTX=100\nWinPosLTY=80\nWinPosRBX=625\nWinPosRBY=350\n");
    CStillmarkDlg& dlg = OpenDialog();
    PumpEvents(200ms);
    EXPECT_FALSE(dlg.IsShown());
}

TEST_F(MainDialogTest, AMessageBoxDuringAnAlertDoesNotAlertAgain) {
    CStillmarkDlg& dlg = OpenDialog();
    Edit(1009)->ChangeValue(""); // the alert's exchange will refuse the count
    m_messages.shown.clear();
    m_messages.onShow = [&] { dlg.OnTimerTick(); }; // the box's own loop keeps ticking
    m_now = {2026, 12, 8, 10, 45, 0};
    dlg.OnTimerTick();
    EXPECT_EQ(m_icon->CallsOf(RecordingTrayIcon::Kind::Notify).size(), 1u) << "one alert, not one per tick";
    EXPECT_EQ(m_messages.shown.size(), 1u);
}

TEST_F(MainDialogTest, ASoundPathTypedBeforeEscapeIsKept) {
    OpenDialog();
    Edit(1005)->SetFocus();
    PumpEvents(50ms);
    if (wxWindow::FindFocus() != Edit(1005))
        GTEST_SKIP() << "the virtual display gave no keyboard focus";
    Edit(1005)->ChangeValue("/tmp/typed.wav");
    PressEscape();
    CloseDialog();
    EXPECT_NE(ReadIni().find("SoundToPlay=/tmp/typed.wav\n"), std::string::npos);
}
