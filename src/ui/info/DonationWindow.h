#pragma once
// The donation window: the page "ThankYou.html" from the program's folder in an HTML view above
// an OK button, sized to the desktop's work area. The About box makes one for each opening; the
// page's web and mail links open with the desktop's programs, its "app:close" closes the window.
#include <functional>
#include <memory>
#include <string>
#include <wx/dialog.h>

#include "ui/info/HtmlView.h"
#include "ui/info/InfoServices.h"

namespace stillmark {

class DonationWindow : public wxDialog {
public:
    using ViewFactory = std::function<std::unique_ptr<HtmlView>()>;

    // makeView: the HTML view; by default from the web view module. Without a view the window
    // shows its placeholder and stays usable.
    DonationWindow(wxWindow* owner, InfoServices& services, ViewFactory makeView = {});

    // The view while the window shows one; null after OK and when none could be made.
    HtmlView* View() const { return m_view.get(); }

private:
    void MakeView(const ViewFactory& makeView);
    void LayOut(wxWindow* owner);
    void OnOk(wxCommandEvent& event);
    void OnAppLink(const std::string& rest);
    void OnExternalLink(const std::string& url);

    InfoServices& m_services;
    std::unique_ptr<HtmlView> m_view;
};

} // namespace stillmark
