#pragma once
// The About box: product name and version, logo, the maker's notice, a "Contact me" link and the
// idea of the program; it plays the welcome sound when it opens. Its "Donate" button is the cancel
// button, so Escape and the close request open the donation window on top of it too. Only OK closes.
#include <string>
#include <wx/dialog.h>

#include "ui/info/DonationWindow.h"
#include "ui/info/InfoServices.h"

class wxGenericHyperlinkCtrl;
class wxHyperlinkEvent;

namespace stillmark {

class AboutBox : public wxDialog {
public:
    // parent: the owner, or null for a box centred on the screen. makeView: the donation window's
    // HTML view (by default from the web view module).
    AboutBox(wxWindow* parent, InfoServices& services, DonationWindow::ViewFactory makeView = {});

    wxGenericHyperlinkCtrl* ContactLink() const { return m_link; }
    // The donation window while it is open, else null.
    DonationWindow* Donation() const { return m_donation; }

private:
    void MakeContactLink();
    void OnLinkClicked(wxHyperlinkEvent& event);
    void OnDonate(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnShow(wxShowEvent& event);
    void OnPaint(wxPaintEvent& event);

    InfoServices& m_services;
    DonationWindow::ViewFactory m_makeView;
    wxGenericHyperlinkCtrl* m_link = nullptr; // child window
    DonationWindow* m_donation = nullptr;
};

} // namespace stillmark
