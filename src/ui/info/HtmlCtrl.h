#pragma once
// CHtmlCtrl: a web view that takes the place of a placeholder static in a dialog, and swallows
// the page's "app:" links instead of navigating to them.
#include <wx/webview.h>

#include "ui/info/HtmlCtrlApi.h"

class CHtmlCtrl : public stillmark::IHtmlCtrl {
public:
    CHtmlCtrl() = default;
    ~CHtmlCtrl() override;
    CHtmlCtrl(const CHtmlCtrl&) = delete;
    CHtmlCtrl& operator=(const CHtmlCtrl&) = delete;

    bool CreateOverStatic(int id, wxWindow* parent) override;
    void Navigate2(const std::string& urlOrPath) override;
    wxWindow* GetWindow() const override { return m_view; }
    // The hook for "app:" links; this control ignores them.
    void OnAppLink(const std::string& rest) override;

    wxWebView* GetWebView() const { return m_view; }

protected:
    void OnBeforeNavigate2(wxWebViewEvent& event);
    void OnNewWindow(wxWebViewEvent& event);

private:
    void OnViewDestroyed(wxWindowDestroyEvent& event);

    wxWebView* m_view = nullptr; // owned by the parent dialog as its child window
};
