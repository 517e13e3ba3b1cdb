#include "ui/info/WebHtmlView.h"

#include <wx/filefn.h>

#include "ui/info/DonateLayout.h"
#include "ui/info/PageLink.h"

namespace stillmark {

WebHtmlView::~WebHtmlView() {
    if (m_view) {
        m_view->Unbind(wxEVT_DESTROY, &WebHtmlView::OnViewDestroyed, this);
        m_view->Destroy();
        m_view = nullptr;
    }
}

bool WebHtmlView::Create(wxWindow* parent, int id, PageLinkHandlers handlers) {
    if (!parent || m_view)
        return false;
    m_view = wxWebView::New(parent, id, wxWebViewDefaultURLStr, wxDefaultPosition, wxDefaultSize,
                            wxWebViewBackendDefault, wxBORDER_NONE);
    if (!m_view)
        return false;
    // The page's text in the desktop's font size, as the rest of the program: the engine sets text
    // at 16 CSS pixels (12 pt) unless told otherwise.
    if (m_view->CanSetZoomType(wxWEBVIEW_ZOOM_TYPE_TEXT)) {
        m_view->SetZoomType(wxWEBVIEW_ZOOM_TYPE_TEXT);
        m_view->SetZoomFactor(static_cast<float>(parent->GetFont().GetFractionalPointSize() / 12.0));
    }
    m_handlers = std::move(handlers);
    m_view->Bind(wxEVT_WEBVIEW_NAVIGATING, &WebHtmlView::OnNavigating, this);
    m_view->Bind(wxEVT_WEBVIEW_NEWWINDOW, &WebHtmlView::OnNewWindow, this);
    m_view->Bind(wxEVT_DESTROY, &WebHtmlView::OnViewDestroyed, this);
    return true;
}

void WebHtmlView::Navigate(const std::string& urlOrPath) {
    if (m_view)
        m_view->LoadURL(wxString::FromUTF8(ToNavigableUrl(urlOrPath, wxGetCwd().utf8_string())));
}

bool WebHtmlView::Divert(const std::string& url) {
    switch (ClassifyPageLink(url)) {
    case PageLinkKind::App:
        if (m_handlers.appLink)
            m_handlers.appLink(*AppLinkRest(url));
        return true;
    case PageLinkKind::External:
        if (m_handlers.externalLink)
            m_handlers.externalLink(url);
        return true;
    case PageLinkKind::Internal:
        return false;
    }
    return false;
}

void WebHtmlView::OnNavigating(wxWebViewEvent& event) {
    if (Divert(event.GetURL().utf8_string()))
        event.Veto(); // the view stays on its page
}

void WebHtmlView::OnNewWindow(wxWebViewEvent& event) {
    // A link meant for a new window: the page's own files open here, the rest as any other link.
    if (!Divert(event.GetURL().utf8_string()) && m_view)
        m_view->LoadURL(event.GetURL());
}

void WebHtmlView::OnViewDestroyed(wxWindowDestroyEvent& event) {
    // The parent destroyed the view's window; this object lives on until its owner deletes it.
    if (event.GetEventObject() == m_view)
        m_view = nullptr;
    event.Skip();
}

} // namespace stillmark
