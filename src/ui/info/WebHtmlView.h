#pragma once
// The HTML view over wxWebView. Before any navigation it sorts the link: the page's own files load
// in the view, "app:" links and links to other programs (web, mail) go to the handlers instead.
#include <wx/webview.h>

#include "ui/info/HtmlView.h"

namespace stillmark {

class WebHtmlView final : public HtmlView {
public:
    WebHtmlView() = default;
    ~WebHtmlView() override;
    WebHtmlView(const WebHtmlView&) = delete;
    WebHtmlView& operator=(const WebHtmlView&) = delete;

    bool Create(wxWindow* parent, int id, PageLinkHandlers handlers) override;
    void Navigate(const std::string& urlOrPath) override;
    wxWindow* GetWindow() const override { return m_view; }

    wxWebView* GetWebView() const { return m_view; }

private:
    void OnNavigating(wxWebViewEvent& event);
    void OnNewWindow(wxWebViewEvent& event);
    void OnViewDestroyed(wxWindowDestroyEvent& event);
    // True when the link was handed to a handler instead of loading.
    bool Divert(const std::string& url);

    wxWebView* m_view = nullptr; // owned by the parent window as its child
    PageLinkHandlers m_handlers;
};

} // namespace stillmark
