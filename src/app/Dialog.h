#pragma once
// A dialog built from a template in the resources, run with a loop of its own that a
// hidden dialog keeps running (the program lives on as a notification-area icon).
// Escape, the close box and button 2 reach OnCancel; Enter presses button 1.
#include "app/DataExchange.h"

#include <wx/dialog.h>

class wxGUIEventLoop;

class CDialog : public wxDialog {
public:
    static constexpr int IDOK = 1;
    static constexpr int IDCANCEL = 2;

    CDialog() = default;
    // Creates the window from the template of that name.
    bool CreateFromTemplate(wxWindow* parent, const wxString& templateName);

    // Initialises, shows and runs the dialog until EndDialog; returns EndDialog's result.
    int DoModal();
    void EndDialog(int result);
    bool IsRunning() const { return m_loop != nullptr; }

    // true: controls to members; false: members to controls. False when a field was refused.
    bool UpdateData(bool saveAndValidate = true);
    bool IsExchanging() const { return m_exchanging; }

protected:
    virtual void DoDataExchange(stillmark::CDataExchange&) {}
    // Members to controls; false ends the dialog with -1.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

private:
    void OnButtonOK(wxCommandEvent&) { OnOK(); }
    void OnButtonCancel(wxCommandEvent&) { OnCancel(); }
    void OnCloseWindow(wxCloseEvent&) { OnCancel(); }

    wxGUIEventLoop* m_loop = nullptr;
    bool m_ended = false;
    int m_result = 0;
    bool m_exchanging = false;

    wxDECLARE_EVENT_TABLE();
};
