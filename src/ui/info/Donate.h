#pragma once
// CDonate: the donation window. It shows "ThankYou.html" from the program's folder in an HTML
// view above an OK button, sized to the desktop's work area.
//
// There is one CDonate for the whole run (DonationWindow()); each DoModal makes a new window and
// a new view, and both are gone again when DoModal returns. Between openings the object holds no
// window and no view, so it can outlive wxWidgets at program exit.
#include <functional>
#include <memory>
#include <string>

#include "ui/info/HtmlCtrlApi.h"
#include "ui/info/ProgramHost.h"

class wxButton;
class wxCommandEvent;
class wxDialog;
class wxWindow;

class CDonate {
public:
    static constexpr int kTemplateId = 1052;
    static constexpr int kViewId = 2010;
    static constexpr int kHintId = 2011;
    using ViewFactory = std::function<std::unique_ptr<stillmark::IHtmlCtrl>()>;

    // The factory makes the HTML view; by default from the web view module.
    explicit CDonate(ViewFactory factory = {});
    CDonate(const CDonate&) = delete;
    CDonate& operator=(const CDonate&) = delete;

    // Shows the window modally over its owner (the About box); returns wxID_OK or wxID_CANCEL.
    int DoModal(wxWindow* owner, stillmark::IProgramHost& mainDlg);

    // While open: the window and the view (null when none could be made).
    wxDialog* GetDialog() const { return m_dialog; }
    stillmark::IHtmlCtrl* GetView() const { return m_pView.get(); }

private:
    void OnInitDialog(wxWindow* owner);
    void LayOut(wxWindow* owner);
    void OnOK(wxCommandEvent& event);
    void OnDestroy();

    wxButton* m_btnOK = nullptr;
    std::unique_ptr<stillmark::IHtmlCtrl> m_pView;
    std::string m_strDir;
    stillmark::IProgramHost* m_pMainDlg = nullptr;
    wxDialog* m_dialog = nullptr;
    ViewFactory m_factory;
};

// The one donation window of the run, made on first use.
CDonate& DonationWindow();
