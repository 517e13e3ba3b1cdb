#include "app/StillmarkApp.h"

#include "XmlResources.h"
#include "app/CompactTheme.h"
#include "ui/main/StillmarkDlg.h"
#include "ui/main/UpDownCtrl.h"

#include <csignal>
#include <wx/image.h>
#include <wx/xrc/xmlres.h>

wxIMPLEMENT_APP_NO_MAIN(CStillmarkApp);

bool CStillmarkApp::OnInit() {
    // No command line of its own: wx's default parser would reject GTK's options.
    // The name notifications and message boxes carry.
    SetAppName("Stillmark");
    wxInitAllImageHandlers();
    wxXmlResource::Get()->InitAllHandlers();
    wxXmlResource::Get()->AddHandler(new CUpDownCtrlXmlHandler);
    InitXmlResource();
    stillmark::ApplyCompactTheme();
    // Nothing here needs idle or update-UI events: skipping them keeps the waiting program quiet.
    wxIdleEvent::SetMode(wxIDLE_PROCESS_SPECIFIED);
    wxUpdateUIEvent::SetMode(wxUPDATE_UI_PROCESS_SPECIFIED);
    return true;
}

namespace {
CStillmarkDlg* g_dialog = nullptr;

// A session ending or `kill` closes the window the normal way, so no setting is lost.
void EndOnSignal(int) {
    if (g_dialog)
        g_dialog->EndDialog(CDialog::IDCANCEL);
}
} // namespace

int CStillmarkApp::OnRun() {
    // The dialog runs its own loop; the program ends, with status 0, when it ends.
    CStillmarkDlg dialog;
    g_dialog = &dialog;
    SetSignalHandler(SIGTERM, EndOnSignal);
    SetSignalHandler(SIGINT, EndOnSignal);
    SetTopWindow(&dialog);
    dialog.DoModal();
    SetTopWindow(nullptr);
    g_dialog = nullptr;
    return 0;
}
