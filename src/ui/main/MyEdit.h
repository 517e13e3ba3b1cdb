#pragma once
// The sound path field: a text field that hands its text to its owner when it loses the focus.
#include <wx/textctrl.h>

class CMyEdit : public wxTextCtrl {
public:
    CMyEdit();
    CMyEdit(wxWindow* parent, wxWindowID id, const wxString& value = wxString(),
            const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize, long style = 0,
            const wxValidator& validator = wxDefaultValidator, const wxString& name = wxTextCtrlNameStr);

private:
    void OnKillFocus(wxFocusEvent& event);

    wxDECLARE_DYNAMIC_CLASS(CMyEdit);
};
