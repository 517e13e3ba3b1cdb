#include "ui/info/About.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/filefn.h>
#include <wx/textctrl.h>
#include <wx/xrc/xmlres.h>

#include "ui/info/AboutBox.h"
#include "ui/info/Donate.h"
#include "ui/info/HyperLink.h"
#include "ui/info/InfoResources.h"

namespace {

constexpr const char* kAboutText = "Often when doing programming one forgets the time and the necessity to "
                                   "take a break a regular intervals. "
                                   "Stillmark will gently tell you it's time for this. Stretch your legs and "
                                   "get a coffee. While nipping on your "
                                   "drink ponder upon the way you are tackling the problem. Many times you "
                                   "find a better and easier way saving "
                                   "you time and effort.                             Enjoy !";

// The black frame around the logo, in dialog units (drawn on the dialog: a window there would
// cover the logo).
const wxRect kLogoFrame(16, 14, 26, 20);

} // namespace

CAbout::CAbout(wxWindow* parent, stillmark::IProgramHost& mainDlg)
    : m_strAbout(kAboutText), m_pMainDlg(mainDlg) {
    stillmark::EnsureXmlResources();
    if (!wxXmlResource::Get()->LoadDialog(this, parent, std::to_string(kTemplateId)))
        Create(parent, kTemplateId, "About...");
    // The template's size is in units of the dialog's own 8-point font, which the resource
    // loader applies only after sizing the window.
    SetClientSize(ConvertDialogToPixels(wxSize(235, 140)));
    m_link = new CHyperLink; // owned by the dialog once attached
    if (!m_link->Attach(this, kLinkId)) {
        delete m_link;
        m_link = nullptr;
    }
    Bind(wxEVT_BUTTON, &CAbout::OnOK, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CAbout::OnDonate, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &CAbout::OnClose, this);
    Bind(wxEVT_SHOW, &CAbout::OnShow, this);
    Bind(wxEVT_PAINT, &CAbout::OnPaint, this);
    OnInitDialog();
}

void CAbout::OnInitDialog() {
    if (auto* text = dynamic_cast<wxTextCtrl*>(FindWindow(kAboutTextId)))
        text->ChangeValue(wxString::FromUTF8(m_strAbout));
    if (m_link)
        m_link->SetTarget(kContactTarget);
    m_strDir = m_pMainDlg.ProgramDir();
    wxSetWorkingDirectory(wxString::FromUTF8(m_strDir)); // a failure leaves the folder as it was
    m_pMainDlg.OpenMediaFile("Welcome.wma");
    m_pMainDlg.PlaySoundFile("Welcome.wma");
    if (wxWindow* ok = FindWindow(wxID_OK))
        ok->SetFocus();
}

void CAbout::OnShow(wxShowEvent& event) {
    if (event.IsShown())
        Raise(); // also when the program sits in the notification area
    event.Skip();
}

void CAbout::OnOK(wxCommandEvent&) {
    if (auto* text = dynamic_cast<wxTextCtrl*>(FindWindow(kAboutTextId)))
        m_strAbout = text->GetValue().utf8_string();
    if (IsModal())
        EndModal(wxID_OK);
    else
        Hide();
}

void CAbout::OnDonate(wxCommandEvent&) {
    DonationWindow().DoModal(this, m_pMainDlg);
}

void CAbout::OnClose(wxCloseEvent& event) {
    // A close request is the cancel command, which opens the donation window; only OK closes.
    if (event.CanVeto()) {
        event.Veto();
        wxCommandEvent donate(wxEVT_BUTTON, wxID_CANCEL);
        OnDonate(donate);
    } else {
        event.Skip();
    }
}

void CAbout::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    const wxPoint topLeft = ConvertDialogToPixels(kLogoFrame.GetTopLeft());
    const wxSize size = ConvertDialogToPixels(kLogoFrame.GetSize());
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(wxRect(topLeft, size));
}

void ShowAboutBox(wxWindow* owner, stillmark::IProgramHost& host) {
    // A hidden owner (the program in the notification area) would only place the box off-centre.
    wxWindow* parent = owner && owner->IsShown() ? owner : nullptr;
    CAbout about(parent, host);
    if (parent)
        about.CentreOnParent();
    else
        about.CentreOnScreen();
    about.ShowModal();
}
