#include "ui/info/HtmlCtrl.h"

#include <wx/filefn.h>

#include "ui/info/AppLink.h"
#include "ui/info/DonateLayout.h"

CHtmlCtrl::~CHtmlCtrl() {
    if (m_view) {
        m_view->Unbind(wxEVT_DESTROY, &CHtmlCtrl::OnViewDestroyed, this);
        m_view->Destroy();
        m_view = nullptr;
    }
}

bool CHtmlCtrl::CreateOverStatic(int id, wxWindow* parent) {
    if (!parent || m_view)
        return false;
    wxWindow* placeholder = parent->FindWindow(id);
    if (!placeholder || placeholder->GetParent() != parent)
        return false;
    const wxRect rect = placeholder->GetRect(); // already in the parent's client coordinates

    // The view is made before the placeholder goes, so a view that cannot be made leaves the
    // placeholder in place and the dialog usable.
    wxWebView* view = wxWebView::New(parent, id, wxWebViewDefaultURLStr, rect.GetPosition(), rect.GetSize(),
                                     wxWebViewBackendDefault, wxBORDER_NONE);
    if (!view)
        return false;
    view->MoveAfterInTabOrder(placeholder);
    placeholder->Destroy();

    m_view = view;
    m_view->Bind(wxEVT_WEBVIEW_NAVIGATING, &CHtmlCtrl::OnBeforeNavigate2, this);
    m_view->Bind(wxEVT_WEBVIEW_NEWWINDOW, &CHtmlCtrl::OnNewWindow, this);
    m_view->Bind(wxEVT_DESTROY, &CHtmlCtrl::OnViewDestroyed, this);
    return true;
}

void CHtmlCtrl::Navigate2(const std::string& urlOrPath) {
    if (!m_view)
        return;
    const std::string url = stillmark::ToNavigableUrl(urlOrPath, wxGetCwd().utf8_string());
    m_view->LoadURL(wxString::FromUTF8(url));
}

void CHtmlCtrl::OnAppLink(const std::string&) {}

void CHtmlCtrl::OnBeforeNavigate2(wxWebViewEvent& event) {
    if (const auto rest = stillmark::AppLinkRest(event.GetURL().utf8_string())) {
        OnAppLink(*rest);
        event.Veto();
    }
}

void CHtmlCtrl::OnNewWindow(wxWebViewEvent& event) {
    // A link meant for a new window: "app:" links are the program's; anything else opens here.
    if (const auto rest = stillmark::AppLinkRest(event.GetURL().utf8_string()))
        OnAppLink(*rest);
    else if (m_view)
        m_view->LoadURL(event.GetURL());
}

void CHtmlCtrl::OnViewDestroyed(wxWindowDestroyEvent& event) {
    // The parent dialog destroyed the view's window; this object lives on until its owner deletes it.
    if (event.GetEventObject() == m_view)
        m_view = nullptr;
    event.Skip();
}
