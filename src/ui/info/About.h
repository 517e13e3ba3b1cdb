#pragma once
// CAbout: the About box. Product name and version, logo, maker's notice, a "Contact me" mail
// link and the idea of the program; its "Donate" button (the cancel button, so also Escape and
// the close request) opens the donation window on top of it. Only OK closes it.
#include <string>
#include <wx/dialog.h>

#include "ui/info/ProgramHost.h"

class CHyperLink;

class CAbout : public wxDialog {
public:
    static constexpr int kTemplateId = 1050;
    static constexpr int kAboutTextId = 2005;
    static constexpr int kLinkId = 2007;
    static constexpr const char* kContactTarget = "mailto:hello@stillmark.invalid";

    // parent: the owner, or null for a box centred on the screen.
    CAbout(wxWindow* parent, stillmark::IProgramHost& mainDlg);

    stillmark::IProgramHost& MainDlg() const { return m_pMainDlg; }
    CHyperLink* GetLink() const { return m_link; }

private:
    void OnInitDialog();
    void OnOK(wxCommandEvent& event);
    void OnDonate(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnShow(wxShowEvent& event);
    void OnPaint(wxPaintEvent& event);

    CHyperLink* m_link = nullptr; // child window, owned by the dialog
    std::string m_strAbout;
    std::string m_strDir;
    stillmark::IProgramHost& m_pMainDlg;
};
