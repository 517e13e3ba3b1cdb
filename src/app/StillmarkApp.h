#pragma once
// The program: builds every service once, opens the main window and runs the main loop until the
// window closes. Signals that ask the program to end, and the display going away, end it with the
// settings written; whatever is open then, the process is gone within a second.
#include <memory>
#include <wx/app.h>

namespace stillmark {

class ProgramServices;
class MainWindow;

// Every diagnostic of the program and of wxWidgets goes to standard error, one "stillmark: ..." line
// each: a program that waits in the background never pops up a box for one. wxWidgets drops the
// target when it has started, so the program sets it again first thing in OnInit.
void UseStandardErrorLog();

// Another copy owns the session's name but does not answer: tells the user so in a message box,
// with wx started for it alone, and returns the status the process ends with (not 0).
int TellFirstCopyIsSilent(int argc, char** argv);

class StillmarkApp final : public wxApp {
public:
    StillmarkApp();
    ~StillmarkApp() override;

    bool OnInit() override;
    int OnExit() override;

    // The platform (a signal, the session) asked the program to end.
    void EndOnRequest();
    // The display connection is lost: the process ends right after this.
    void SaveSettingsNow();
    // Another start of the program asked for the window.
    void ShowMainWindow();

private:
    std::unique_ptr<ProgramServices> m_services;
    MainWindow* m_window = nullptr; // owned by wx; null once destroyed
};

} // namespace stillmark

wxDECLARE_APP(stillmark::StillmarkApp);
