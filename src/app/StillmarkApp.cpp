#include "app/StillmarkApp.h"

#include "XmlResources.h"
#include "app/ProgramServices.h"
#include "base/ProductIdentity.h"
#include "ui/common/CompactTheme.h"
#include "ui/common/DesktopLanguage.h"
#include "ui/common/ProgramFolder.h"
#include "ui/main/MainWindow.h"
#include "ui/main/StepArrows.h"

#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/xrc/xmlres.h>

wxIMPLEMENT_APP_NO_MAIN(stillmark::StillmarkApp);

namespace stillmark {

namespace {

// No time stamp and no translated level word: a line that a script can match.
class PlainLineFormatter final : public wxLogFormatter {
public:
    wxString Format(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) const override {
        if (level == wxLOG_Warning)
            return "stillmark: warning: " + message;
        if (level == wxLOG_Trace)
            return "stillmark: trace: " + message;
        return "stillmark: " + message;
    }
};

#ifndef NDEBUG
// Asserts of a debug build go to the log, so to standard error: a box could hold up an ending program.
void AssertToLog(const wxString& file, int line, const wxString& function, const wxString& condition,
                 const wxString& message) {
    wxLogError("assertion failed in %s (%s:%d): %s %s", function, file, line, condition, message);
}
#endif

} // namespace

void UseStandardErrorLog() {
    auto* log = new wxLogStderr; // owned by wx from here on
    delete log->SetFormatter(new PlainLineFormatter);
    delete wxLog::SetActiveTarget(log);
}

int TellFirstCopyIsSilent(int argc, char** argv) {
    if (!wxEntryStart(argc, argv))
        return 1; // no display: the reason is on standard error already
    UseStandardErrorLog();
    UseDesktopLanguage(CatalogFolders(FolderOfExecutable(), STILLMARK_LOCALE_FROM_PROGRAM));
    const wxString text = _("Stillmark is already running but does not answer.");
    wxLogError("%s", text);
    wxMessageBox(text, kProductName, wxOK | wxICON_EXCLAMATION);
    wxEntryCleanup();
    return 1;
}

StillmarkApp::StillmarkApp() {
    wxDISABLE_ASSERTS_IN_RELEASE_BUILD();
#ifndef NDEBUG
    wxSetAssertHandler(AssertToLog);
#endif
}

StillmarkApp::~StillmarkApp() = default;

bool StillmarkApp::OnInit() {
    UseStandardErrorLog();
    // No command line of its own: wx's default parser would reject GTK's options.
    // The name notifications and message boxes carry.
    SetAppName(kProductName);
    // Before any window or resource is made: the resources translate their texts as they load.
    UseDesktopLanguage(CatalogFolders(FolderOfExecutable(), STILLMARK_LOCALE_FROM_PROGRAM));
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    wxXmlResource::Get()->AddHandler(new StepArrowsXmlHandler);
    InitXmlResource();
    ApplyCompactTheme();
    // Nothing here needs idle or update-UI events: skipping them keeps the waiting program quiet.
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);

    m_services = MakeProgramServices(argv[0].utf8_string());
    m_window = new MainWindow(m_services->ForMainWindow());
    m_window->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() == m_window) {
            m_window = nullptr;
            m_services->ArmEndDeadline();
            ExitMainLoop();
        }
    });
    SetTopWindow(m_window);
    m_services->WatchEnding({[this] { EndOnRequest(); }, [this] { SaveSettingsNow(); }});
    m_window->Start();
    return true;
}

int StillmarkApp::OnExit() {
    m_services.reset();
    return wxApp::OnExit();
}

void StillmarkApp::EndOnRequest() {
    if (m_services)
        m_services->ArmEndDeadline();
    if (m_window) {
        m_window->EndOnRequest();
        return;
    }
    // The window is gone already; whatever still runs a loop of its own ends with it.
    ExitMainLoop();
}

void StillmarkApp::SaveSettingsNow() {
    if (m_window)
        m_window->SaveSettingsNow();
}

void StillmarkApp::ShowMainWindow() {
    if (m_window)
        m_window->ComeBack();
}

} // namespace stillmark
