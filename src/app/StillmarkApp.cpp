#include "app/StillmarkApp.h"

#include "XmlResources.h"
#include "app/ProgramServices.h"
#include "ui/common/CompactTheme.h"
#include "ui/main/MainWindow.h"
#include "ui/main/StepArrows.h"

#include <X11/Xlib.h>
#include <csignal>
#include <unistd.h>
#include <wx/image.h>
#include <wx/xrc/xmlres.h>

wxIMPLEMENT_APP_NO_MAIN(stillmark::StillmarkApp);

namespace stillmark {

namespace {

void EndOnSignal(int) {
    wxGetApp().EndOnRequest();
}

// Xlib ends the process after this handler; the settings are written first.
int OnDisplayLost(Display*) {
    wxGetApp().SaveSettingsNow();
    _exit(1);
}

} // namespace

StillmarkApp::StillmarkApp() = default;
StillmarkApp::~StillmarkApp() = default;

bool StillmarkApp::OnInit() {
    // No command line of its own: wx's default parser would reject GTK's options.
    // The name notifications and message boxes carry.
    SetAppName("Stillmark");
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    wxXmlResource::Get()->AddHandler(new StepArrowsXmlHandler);
    InitXmlResource();
    ApplyCompactTheme();
    // Nothing here needs idle or update-UI events: skipping them keeps the waiting program quiet.
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);

    m_services = std::make_unique<ProgramServices>();
    m_window = new MainWindow(m_services->ForMainWindow());
    m_window->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() == m_window) {
            m_window = nullptr;
            ExitMainLoop();
        }
    });
    SetTopWindow(m_window);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        SetSignalHandler(signal, EndOnSignal);
    XSetIOErrorHandler(OnDisplayLost);
    m_window->Start();
    return true;
}

int StillmarkApp::OnExit() {
    m_services.reset();
    return wxApp::OnExit();
}

void StillmarkApp::EndOnRequest() {
    if (m_window)
        m_window->EndOnRequest();
}

void StillmarkApp::SaveSettingsNow() {
    if (m_window)
        m_window->SaveSettingsNow();
}

} // namespace stillmark
