#include "ui/info/Donate.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/filefn.h>
#include <wx/xrc/xmlres.h>

#include "ui/info/DonateLayout.h"
#include "ui/info/HtmlCtrlLoader.h"
#include "ui/info/InfoResources.h"

namespace {

stillmark::PixelRect ToPixelRect(const wxRect& r) {
    return {r.x, r.y, r.width, r.height};
}
wxRect ToWxRect(const stillmark::PixelRect& r) {
    return {r.x, r.y, r.width, r.height};
}

} // namespace

CDonate::CDonate(ViewFactory factory)
    : m_factory(factory ? std::move(factory) : ViewFactory(stillmark::LoadHtmlCtrl)) {}

int CDonate::DoModal(wxWindow* owner, stillmark::IProgramHost& mainDlg) {
    stillmark::EnsureXmlResources();
    wxDialog dialog;
    if (!wxXmlResource::Get()->LoadDialog(&dialog, owner, std::to_string(kTemplateId)))
        return wxID_CANCEL;
    m_dialog = &dialog;
    // The template's size in units of the dialog's own font (the loader sizes before the font).
    dialog.SetClientSize(dialog.ConvertDialogToPixels(wxSize(369, 329)));
    dialog.CentreOnParent();
    m_pMainDlg = &mainDlg;
    m_btnOK = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_OK));
    dialog.Bind(wxEVT_BUTTON, &CDonate::OnOK, this, wxID_OK);
    // Escape and the close box cancel (wx would otherwise press the only button, OK).
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            dialog.EndModal(wxID_CANCEL);
        else
            event.Skip();
    });
    dialog.Bind(wxEVT_CLOSE_WINDOW, [&dialog](wxCloseEvent&) { dialog.EndModal(wxID_CANCEL); });

    OnInitDialog(owner);
    const int result = dialog.ShowModal();
    // Escape and the close box end here without OK: the view goes with the window.
    OnDestroy();
    m_dialog = nullptr;
    m_btnOK = nullptr;
    return result;
}

void CDonate::OnInitDialog(wxWindow* owner) {
    m_pView = m_factory();
    if (m_pView && !m_pView->CreateOverStatic(kViewId, m_dialog))
        m_pView.reset(); // the placeholder stays, the window stays usable

    m_strDir = m_pMainDlg->ProgramDir();
    wxSetWorkingDirectory(wxString::FromUTF8(m_strDir));
    LayOut(owner);
    if (!m_strDir.empty() && m_strDir.back() == '/')
        m_strDir.pop_back();
    wxSetWorkingDirectory(wxString::FromUTF8(m_strDir));
    if (m_pView)
        m_pView->Navigate2(stillmark::DonationPagePath(m_strDir));
}

void CDonate::LayOut(wxWindow* owner) {
    int displayIndex = wxDisplay::GetFromWindow(owner ? owner : m_dialog);
    if (displayIndex == wxNOT_FOUND)
        displayIndex = 0;
    const wxRect workArea = wxDisplay(static_cast<unsigned>(displayIndex)).GetClientArea();
    if (workArea.height <= 0)
        return; // no work area known: the template's layout stays

    const stillmark::DonateLayout layout = stillmark::ComputeDonateLayout(workArea.height);
    m_dialog->SetSize(0, 0, layout.windowWidth, layout.windowHeight);
    if (owner && owner->IsShown())
        m_dialog->CentreOnParent();
    else
        m_dialog->CentreOnScreen();

    // The window is not shown yet, so the client area's place is worked out from the frame: equal
    // borders left, right and below, the rest of the height above (the caption).
    const wxRect windowRect = m_dialog->GetRect();
    const wxSize client = m_dialog->GetClientSize();
    const int border = (windowRect.width - client.x) / 2;
    const stillmark::PixelRect window = ToPixelRect(windowRect);
    const stillmark::Point clientOrigin{windowRect.x + border,
                                        windowRect.y + windowRect.height - client.y - border};
    int topOfControlsBelow = m_dialog->GetClientSize().y;
    if (m_btnOK) {
        const stillmark::PixelRect ok = stillmark::PlaceAgainstWindow(
            window, clientOrigin, layout.okInset, layout.bottomInset, m_btnOK->GetSize().y);
        m_btnOK->SetSize(ToWxRect(ok));
        topOfControlsBelow = std::min(topOfControlsBelow, ok.y);
    }
    if (wxWindow* hint = m_dialog->FindWindow(kHintId)) {
        if (layout.showHint) {
            const stillmark::PixelRect place = stillmark::PlaceAtBottom(
                window, clientOrigin, ToPixelRect(hint->GetRect()), layout.bottomInset);
            hint->SetSize(ToWxRect(place));
            hint->Show();
            topOfControlsBelow = std::min(topOfControlsBelow, place.y);
        } else {
            hint->Hide();
        }
    }
    if (m_pView && m_pView->GetWindow()) {
        // Window decorations take their height from the client area: the view keeps clear of
        // the OK button and the hint.
        m_pView->GetWindow()->SetSize(ToWxRect(stillmark::KeepAbove(layout.view, topOfControlsBelow)));
    }
}

void CDonate::OnOK(wxCommandEvent&) {
    m_dialog->EndModal(wxID_OK);
    m_pView.reset(); // at once, not with the window
}

void CDonate::OnDestroy() {
    m_pView.reset();
}

CDonate& DonationWindow() {
    static CDonate donate;
    return donate;
}
