#include "ui/info/AboutBox.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>
#include <wx/translation.h>
#include <wx/weakref.h>
#include <wx/xrc/xmlres.h>

#include "sound/SoundPlayback.h"
#include "ui/common/AccessibleName.h"
#include "ui/info/ContactTarget.h"
#include "ui/info/InfoResources.h"
#include "ui/info/OpenAndExplain.h"

namespace stillmark {
namespace {

constexpr const char* kAboutText =
    wxTRANSLATE("Often when doing programming one forgets the time and the necessity to "
                "take a break a regular intervals. "
                "Stillmark will gently tell you it's time for this. Stretch your legs and "
                "get a coffee. While nipping on your "
                "drink ponder upon the way you are tackling the problem. Many times you "
                "find a better and easier way saving "
                "you time and effort.                             Enjoy !");

// The black frame around the logo is drawn on the box, this far outside the picture: a window
// there would cover the logo.
constexpr int kLogoFrameGap = 3;

const wxColour kLinkNormal(0, 0, 238);
const wxColour kLinkVisited(85, 26, 139);
const wxColour kLinkHover(255, 0, 0);

} // namespace

AboutBox::AboutBox(wxWindow* parent, InfoServices& services, DonationWindow::ViewFactory makeView)
    : m_services(services), m_makeView(std::move(makeView)) {
    EnsureXmlResources();
    if (!wxXmlResource::Get()->LoadDialog(this, parent, "about_box"))
        Create(parent, wxID_ANY, _("About..."));
    if (auto* text = XRCCTRL(*this, "about_text", wxTextCtrl)) {
        text->ChangeValue(wxGetTranslation(kAboutText));
        // About fifty letters a line and room for all of the text, in the box's font.
        text->SetMinSize(wxSize(50 * text->GetCharWidth(), 8 * text->GetCharHeight()));
        SetAccessibleName(*text, _("The idea of Stillmark").utf8_string());
    }
    MakeContactLink();
    if (GetSizer())
        GetSizer()->SetSizeHints(this);

    Bind(wxEVT_BUTTON, &AboutBox::OnDonate, this, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &AboutBox::OnClose, this);
    Bind(wxEVT_SHOW, &AboutBox::OnShow, this);
    Bind(wxEVT_PAINT, &AboutBox::OnPaint, this);

    const std::string welcome = (m_services.programDir / "Welcome.wma").string();
    m_services.sound.OpenMediaFile(welcome);
    m_services.sound.PlaySoundFile(welcome);
    if (wxWindow* ok = FindWindow(wxID_OK))
        ok->SetFocus();
}

void AboutBox::MakeContactLink() {
    const std::string target = ContactTarget(BuildContact(), m_services.programDir);
    m_link = new wxGenericHyperlinkCtrl(this, wxID_ANY, _("Contact me"), wxString::FromUTF8(target),
                                        wxDefaultPosition, wxDefaultSize, wxHL_ALIGN_LEFT | wxBORDER_NONE);
    // In its place in the layout and in the tab order; without the resource, above the rest.
    if (!wxXmlResource::Get()->AttachUnknownControl("contact_link", m_link, this) && GetSizer())
        GetSizer()->Prepend(m_link, wxSizerFlags().Border());
    m_link->SetNormalColour(kLinkNormal);
    m_link->SetVisitedColour(kLinkVisited);
    m_link->SetHoverColour(kLinkHover);
    m_link->SetToolTip(wxString::FromUTF8(target));
    // Plain text, underlined only while the pointer is over it.
    const wxFont plain = GetFont();
    m_link->SetFont(plain);
    m_link->Bind(wxEVT_ENTER_WINDOW, [this, plain](wxMouseEvent& event) {
        m_link->SetFont(plain.Underlined());
        event.Skip();
    });
    m_link->Bind(wxEVT_LEAVE_WINDOW, [this, plain](wxMouseEvent& event) {
        m_link->SetFont(plain);
        event.Skip();
    });
    m_link->Bind(wxEVT_HYPERLINK, &AboutBox::OnLinkClicked, this);
    SetAccessibleName(*m_link, _("Contact me"));
    MarkAsLink(*m_link);
}

void AboutBox::OnLinkClicked(wxHyperlinkEvent& event) {
    // Handled here, not skipped: wx would otherwise hand the URL to its own browser launcher.
    // The answer may come after the box has gone.
    wxWeakRef<wxGenericHyperlinkCtrl> link(m_link);
    OpenAndExplain(m_services.opener, m_services.messages, event.GetURL().utf8_string(), [link](bool opened) {
        if (!link)
            return;
        link->SetVisited(opened);
        link->SetForegroundColour(opened ? kLinkVisited : kLinkNormal);
        link->Refresh();
    });
}

void AboutBox::OnShow(wxShowEvent& event) {
    if (event.IsShown())
        Raise(); // also when the program sits in the notification area
    event.Skip();
}

void AboutBox::OnDonate(wxCommandEvent&) {
    wxWindow* focused = FindFocus();
    {
        DonationWindow donation(this, m_services, m_makeView);
        m_donation = &donation;
        donation.ShowModal();
        m_donation = nullptr;
    }
    // The window manager may hand the focus to any window once the donation window goes: it comes
    // back here, where it was.
    Raise();
    if (focused && focused != this && IsDescendant(focused))
        focused->SetFocus();
    else if (wxWindow* ok = FindWindow(wxID_OK))
        ok->SetFocus();
}

void AboutBox::OnClose(wxCloseEvent& event) {
    // A close request is the cancel command, which opens the donation window; only OK closes.
    if (event.CanVeto()) {
        event.Veto();
        wxCommandEvent donate(wxEVT_BUTTON, wxID_CANCEL);
        OnDonate(donate);
    } else {
        event.Skip();
    }
}

void AboutBox::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    auto* logo = XRCCTRL(*this, "logo_picture", wxStaticBitmap);
    if (!logo)
        return;
    wxRect picture(ScreenToClient(logo->GetScreenPosition()), logo->GetSize());
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(picture.Inflate(kLogoFrameGap));
}

void ShowAboutBox(wxWindow* owner, InfoServices& services) {
    // A hidden owner (the program in the notification area) would only place the box off-centre.
    wxWindow* parent = owner && owner->IsShown() ? owner : nullptr;
    AboutBox about(parent, services);
    if (parent)
        about.CentreOnParent();
    else
        about.CentreOnScreen();
    about.ShowModal();
}

void AboutBoxOpener::Show(wxWindow* owner) {
    if (m_open) {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* about = dynamic_cast<AboutBox*>(window); about && about->IsShown()) {
                about->Raise();
                about->SetFocus();
            }
        return;
    }
    m_open = true;
    ShowAboutBox(owner, m_services);
    m_open = false;
}

} // namespace stillmark
