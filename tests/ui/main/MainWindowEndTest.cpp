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

// A request to end (a signal) while a modal dialog is open: the dialog's loop returns, the window
// closes and the settings are on disk.
struct OpenDialogCase {
    const char* name;
    std::function<void(wxWindow*)> open; // runs modally; returns when the dialog ends
};

class EndWithOpenDialog : public WindowEndTest, public ::testing::WithParamInterface<OpenDialogCase> {};

TEST_P(EndWithOpenDialog, EndsTheDialogThenTheWindowWithTheSettingsWritten) {
    OpenWindow();
    Field("start_time")->SetValue("05:30");
    bool dialogReturned = false;
    m_aboutShows = [&](wxWindow* owner) {
        GetParam().open(owner);
        dialogReturned = true;
    };
    Later(100ms, [this] { Click("about"); }); // the dialog runs inside this timer's event
    Later(600ms, [this] {
        EXPECT_TRUE(m_modals.AnyOpen()) << "the dialog is open";
        m_window->EndOnRequest();
    });
    EXPECT_TRUE(PumpUntil([this] { return m_window == nullptr; }, 5s)) << "the window closed";
    EXPECT_TRUE(dialogReturned);
    EXPECT_FALSE(m_modals.AnyOpen());
    EXPECT_TRUE(FileHas("StartHour=05:30")) << ReadIni();
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, EndWithOpenDialog,
    ::testing::Values(OpenDialogCase{"MessageBox",
                                     [](wxWindow* owner) {
                                         wxMessageDialog box(owner, "A message", "Stillmark");
                                         box.ShowModal();
                                     }},
                      OpenDialogCase{"OwnDialog",
                                     [](wxWindow* owner) {
                                         wxDialog about(owner, wxID_ANY, "About Stillmark");
                                         about.ShowModal();
                                     }},
                      OpenDialogCase{"NestedDialogs",
                                     [](wxWindow* owner) {
                                         wxDialog about(owner, wxID_ANY, "About Stillmark");
                                         about.CallAfter([&about] {
                                             wxMessageDialog box(&about, "Inner", "Stillmark");
                                             box.ShowModal();
                                         });
                                         about.ShowModal();
                                     }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
