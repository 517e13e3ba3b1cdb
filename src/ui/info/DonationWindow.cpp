#include "ui/info/DonationWindow.h"

#include <strings.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/translation.h>
#include <wx/xrc/xmlres.h>

#include "ui/info/DonateLayout.h"
#include "ui/info/HtmlViewLoader.h"
#include "ui/info/InfoResources.h"
#include "ui/info/OpenAndExplain.h"

namespace stillmark {

DonationWindow::DonationWindow(wxWindow* owner, InfoServices& services, ViewFactory makeView)
    : m_services(services) {
    EnsureXmlResources();
    if (!wxXmlResource::Get()->LoadDialog(this, owner, "donation_window"))
        Create(owner, wxID_ANY, _("Donate"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
    Bind(wxEVT_BUTTON, &DonationWindow::OnOk, this, wxID_OK);
    // Escape and the close box cancel (wx would otherwise press the only button, OK).
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            EndModal(wxID_CANCEL);
        else
            event.Skip();
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(wxID_CANCEL); });

    MakeView(makeView ? makeView : ViewFactory(LoadHtmlView));
    LayOut(owner);
    if (m_view)
        m_view->Navigate(DonationPagePath(m_services.programDir.string()));
}

void DonationWindow::MakeView(const ViewFactory& makeView) {
    m_view = makeView();
    wxWindow* placeholder = XRCCTRL(*this, "page_placeholder", wxStaticText);
    PageLinkHandlers handlers{[this](const std::string& rest) { OnAppLink(rest); },
                              [this](const std::string& url) { OnExternalLink(url); }};
    if (!m_view || !placeholder || !m_view->Create(this, wxID_ANY, std::move(handlers))) {
        m_view.reset(); // the placeholder stays, the window stays usable
        return;
    }
    if (wxSizer* sizer = placeholder->GetContainingSizer())
        sizer->Replace(placeholder, m_view->GetWindow());
    m_view->GetWindow()->MoveBeforeInTabOrder(placeholder);
    placeholder->Destroy();
}

void DonationWindow::LayOut(wxWindow* owner) {
    wxWindow* placeAt = owner && owner->IsShown() ? owner : nullptr;
    int displayIndex = wxDisplay::GetFromWindow(placeAt ? placeAt : this);
    if (displayIndex == wxNOT_FOUND)
        displayIndex = 0;
    const wxRect workArea = wxDisplay(static_cast<unsigned>(displayIndex)).GetClientArea();
    wxWindow* ok = FindWindow(wxID_OK);
    wxWindow* hint = XRCCTRL(*this, "scroll_hint", wxStaticText);
    if (workArea.height > 0 && ok && hint && ok->GetContainingSizer()) {
        const DonateLayout layout = ComputeDonateLayout(workArea.height);
        wxSizer* row = ok->GetContainingSizer();
        if (layout.okWidth == 0) {
            hint->Hide();
            row->GetItem(ok)->SetProportion(1);
        } else {
            hint->Show();
            ok->SetMinSize(wxSize(layout.okWidth, -1));
            row->Add(hint->GetBestSize().x, 0, 1); // as wide as the hint's side: OK sits centred
        }
        SetSize(layout.windowWidth, layout.windowHeight);
    }
    Layout();
    if (placeAt)
        CentreOnParent();
    else
        CentreOnScreen();
}

void DonationWindow::OnOk(wxCommandEvent&) {
    EndModal(wxID_OK);
    m_view.reset(); // at once, not with the window
}

void DonationWindow::OnAppLink(const std::string& rest) {
    // "app:close" closes the page like OK; other "app:" links are swallowed. Both act after the
    // view's own notification has returned.
    if (strcasecmp(rest.c_str(), "close") == 0)
        CallAfter([this] {
            if (IsModal())
                EndModal(wxID_OK);
            m_view.reset();
        });
}

void DonationWindow::OnExternalLink(const std::string& url) {
    CallAfter([this, url] { OpenAndExplain(m_services.opener, m_services.messages, url); });
}

} // namespace stillmark
