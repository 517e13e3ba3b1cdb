// The settings on disk while the window runs, and the end of the program while dialogs are open.
#include "MainWindowFixture.h"

#include <sys/stat.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>

using namespace stillmark;
using namespace stillmark::test;

namespace {

// What identifies one write of the file: a new file replaces the old one at every save.
struct FileStamp {
    ino_t inode = 0;
    timespec changed{};
    bool operator==(const FileStamp& o) const {
        return inode == o.inode && changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
    }
};
FileStamp StampOf(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return {};
    return {st.st_ino, st.st_mtim};
}

class WindowEndTest : public MainWindowTest {
protected:
    bool FileHas(const std::string& text) const { return ReadIni().find(text) != std::string::npos; }
    // Runs `action` from inside the event loop a little later (as a signal's handler would run).
    void Later(std::chrono::milliseconds delay, std::function<void()> action) {
        auto* timer = new wxTimer;
        timer->Bind(wxEVT_TIMER, [timer, action](wxTimerEvent&) {
            action();
            timer->Stop();
        });
        timer->StartOnce(static_cast<int>(delay.count()));
        m_timers.emplace_back(timer);
    }
    std::vector<std::unique_ptr<wxTimer>> m_timers;
};

TEST_F(WindowEndTest, AChangeIsOnDiskWithinASecondAndOnlyChangesAreWritten) {
    WriteIni("StartHour=07:00\n");
    OpenWindow();
    const FileStamp atStart = StampOf(m_ini);
    Field("start_time")->SetValue("08:30");
    Control<wxCheckBox>("use_ampm")->SetFocus();
    PumpEvents(300ms);
    EXPECT_EQ(StampOf(m_ini), atStart) << "written once the change settles, not at each keystroke";
    EXPECT_TRUE(PumpUntil([this] { return FileHas("StartHour=08:30"); }, 1500ms)) << ReadIni();

    const FileStamp afterChange = StampOf(m_ini);
    PumpEvents(1300ms);
    EXPECT_EQ(StampOf(m_ini), afterChange) << "nothing changed: nothing written";
    Field("start_time")->SetValue("09:00");
    Field("start_time")->SetValue("08:30"); // back to what the file holds
    PumpEvents(1300ms);
    EXPECT_EQ(StampOf(m_ini), afterChange) << "the same settings again: nothing written";

    Click("use_sound");
    EXPECT_TRUE(PumpUntil([this] { return FileHas("UseSound=0"); }, 1500ms)) << "check boxes count too";
}

// The autosave waits for a burst of changes to settle, but a stream of them is still written every 2 s.
TEST_F(WindowEndTest, ChangesAreWrittenOnceTheySettleOrEveryTwoSeconds) {
    const struct {
        const char* name;
        std::vector<int> changesAtMs;
        int quietUntilMs; // nothing written before
        int writtenByMs;
    } cases[] = {
        {"a short burst: 1 s after its last change", {0, 300, 600}, 1400, 2300},
        {"changes every 150 ms",
         {0, 150, 300, 450, 600, 750, 900, 1050, 1200, 1350, 1500, 1650, 1800, 1950, 2100, 2250, 2400, 2550,
          2700},
         0,
         2400},
    };
    for (const auto& c : cases) {
        WriteIni("StartHour=07:00\n");
        OpenWindow();
        const FileStamp atStart = StampOf(m_ini);
        const auto start = std::chrono::steady_clock::now();
        int minute = 0;
        for (int at : c.changesAtMs)
            Later(std::chrono::milliseconds(at), [this, value = ++minute] {
                Field("start_time")->SetValue(wxString::Format("08:%02d", value));
            });
        PumpUntil([&] { return StampOf(m_ini) != atStart; }, 3s);
        const auto written =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        EXPECT_GE(written.count(), c.quietUntilMs) << c.name;
        EXPECT_LE(written.count(), c.writtenByMs) << c.name;
        CloseWindow();
        m_timers.clear();
    }
}

// Once 08:30 is on disk, going back to 07:00 is written as well, without waiting for the end.
TEST_F(WindowEndTest, AValueChangedBackIsWritten) {
    WriteIni("StartHour=07:00\n");
    OpenWindow();
    Field("start_time")->SetValue("08:30");
    ASSERT_TRUE(PumpUntil([this] { return FileHas("StartHour=08:30"); }, 2s));
    Field("start_time")->SetValue("07:00");
    EXPECT_TRUE(PumpUntil([this] { return FileHas("StartHour=07:00"); }, 2s)) << ReadIni();
}

// The end writes only what changed in the window: keys edited by hand meanwhile keep their values.
TEST_F(WindowEndTest, TheEndKeepsHandEditsOfWhatTheWindowDidNotChange) {
    const std::string tenKeys = "StartHour=07:00\nEndHour=22:00\nIncrement=30 min\nStillpoints=5\n"
                                "SoundToPlay=Default\nUseSound=1\nStartMinimized=0\nUseAmPm=0\nShowTip=1\n"
                                "SoundFilter=1\n";
    for (bool changeInWindow : {false, true}) {
        WriteIni(tenKeys);
        OpenWindow();
        if (changeInWindow)
            Field("end_time")->SetValue("21:00");
        WriteIni("StartHour=06:15\nEndHour=22:00\nIncrement=30 min\nStillpoints=5\nSoundToPlay=Default\n"
                 "UseSound=1\nStartMinimized=0\nUseAmPm=0\nShowTip=1\nSoundFilter=1\n"); // by hand
        m_window->EndOnRequest();
        ASSERT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 2s));
        EXPECT_TRUE(FileHas("StartHour=06:15")) << changeInWindow << ReadIni();
        EXPECT_TRUE(FileHas(changeInWindow ? "EndHour=21:00" : "EndHour=22:00")) << ReadIni();
    }
}

TEST_F(WindowEndTest, AFailedSaveIsToldOnceAndTheNextChangeTriesAgain) {
    OpenWindow();
    std::filesystem::create_directory(m_ini); // a folder in the file's place
    Field("start_time")->SetValue("08:30");
    EXPECT_TRUE(PumpUntil([this] { return !m_messages.shown.empty(); }, 2s)) << "the failure is told";
    EXPECT_NE(m_messages.shown[0].find(m_ini.string()), std::string::npos) << "with the path";
    Field("start_time")->SetValue("08:45");
    PumpEvents(1300ms);
    EXPECT_EQ(m_messages.shown.size(), 1u) << "once per run";

    std::filesystem::remove(m_ini);
    Field("start_time")->SetValue("09:15");
    EXPECT_TRUE(PumpUntil([this] { return FileHas("StartHour=09:15"); }, 2s)) << "the next change writes";
}

// A save that fails at the end is told on standard error: a box would outlive the window.
TEST_F(WindowEndTest, AFailedSaveAtTheEndOpensNoBox) {
    OpenWindow();
    std::filesystem::create_directory(m_ini); // a folder in the file's place
    Field("start_time")->SetValue("08:30");
    m_window->EndOnRequest();
    EXPECT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 1s));
    PumpEvents(300ms);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(WindowEndTest, ALoadProblemIsToldOnceAfterTheWindowOpens) {
    WriteIni(std::string(2 * 1024 * 1024, ';')); // too large to be read
    MainWindow& window = OpenWindow();
    EXPECT_TRUE(PumpUntil([this] { return !m_messages.shown.empty(); }, 2s));
    EXPECT_NE(m_messages.shown[0].find(m_ini.string()), std::string::npos) << "with the path";
    EXPECT_EQ(window.CurrentSettings(), Settings{}) << "the defaults";
    Field("start_time")->SetValue("08:30");
    PumpEvents(1300ms);
    EXPECT_EQ(m_messages.shown.size(), 1u) << "once per run";
}

// Every way to end while dialogs are open, nested in any order: their loops return innermost first,
// the window closes within a second and the settings are on disk.
struct OpenDialogCase {
    const char* name;
    std::function<void(wxWindow*)> open; // runs modally; returns when the dialog ends
};
struct EndCase {
    const char* name;
    std::function<void(MainWindow&)> end;
};

class EndWithOpenDialog : public WindowEndTest,
                          public ::testing::WithParamInterface<std::tuple<EndCase, OpenDialogCase>> {};

TEST_P(EndWithOpenDialog, EndsTheDialogsThenTheWindowWithinASecond) {
    const auto& [way, dialogs] = GetParam();
    OpenWindow();
    Field("start_time")->SetValue("05:30");
    bool dialogReturned = false;
    m_aboutShows = [&](wxWindow* owner) {
        dialogs.open(owner);
        dialogReturned = true;
    };
    std::chrono::steady_clock::time_point asked;
    Later(100ms, [this] { Click("about"); }); // the dialogs run inside this timer's event
    Later(900ms, [&] {
        EXPECT_TRUE(m_modals.AnyOpen()) << "the dialog is open";
        asked = std::chrono::steady_clock::now();
        way.end(*m_window);
    });
    ASSERT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 5s)) << "the window closed";
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 1s);
    EXPECT_TRUE(dialogReturned);
    EXPECT_FALSE(m_modals.AnyOpen());
    EXPECT_TRUE(m_messages.shown.empty()) << "no box on the way out";
    EXPECT_TRUE(FileHas("StartHour=05:30")) << ReadIni();
}

// A dialog of the program's own that opens `inner` over itself once it shows.
void OwnDialogOver(wxWindow* owner, const char* title, std::function<void(wxWindow*)> inner) {
    wxDialog dialog(owner, wxID_ANY, title);
    if (inner)
        dialog.CallAfter([&dialog, inner] { inner(&dialog); });
    dialog.ShowModal();
}
void MessageBoxOver(wxWindow* owner) {
    wxMessageDialog box(owner, "A message", "Stillmark");
    box.ShowModal();
}

// The About box with the donation window over it, and `inner` over both.
void DonationOverAbout(wxWindow* owner, std::function<void(wxWindow*)> inner) {
    OwnDialogOver(owner, "About", [inner](wxWindow* about) { OwnDialogOver(about, "Donate", inner); });
}

const EndCase kWays[] = {
    {"Signal", [](MainWindow& w) { w.EndOnRequest(); }},
    {"MenuExit",
     [](MainWindow& w) {
         wxCommandEvent exit(wxEVT_MENU, wxID_EXIT);
         w.GetEventHandler()->ProcessEvent(exit);
     }},
    {"CloseRequest", [](MainWindow& w) { w.Close(); }},
};

const OpenDialogCase kOpen[] = {
    {"MessageBox", MessageBoxOver},
    {"OwnDialog", [](wxWindow* o) { OwnDialogOver(o, "About", {}); }},
    {"MessageBoxOverOwnDialog", [](wxWindow* o) { OwnDialogOver(o, "About", MessageBoxOver); }},
    {"OwnDialogOverOwnDialog", [](wxWindow* o) { DonationOverAbout(o, {}); }},
    {"MessageBoxOverTwoOwnDialogs", [](wxWindow* o) { DonationOverAbout(o, MessageBoxOver); }},
};

INSTANTIATE_TEST_SUITE_P(WaysAndDialogs, EndWithOpenDialog,
                         ::testing::Combine(::testing::ValuesIn(kWays), ::testing::ValuesIn(kOpen)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
