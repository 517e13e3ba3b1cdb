#include "ui/main/MyEdit.h"

#include "ui/main/SoundPathOwner.h"

wxIMPLEMENT_DYNAMIC_CLASS(CMyEdit, wxTextCtrl);

// XRC creates the field with the default constructor and calls Create() itself, so both
// constructors bind the handler.
CMyEdit::CMyEdit() {
    Bind(wxEVT_KILL_FOCUS, &CMyEdit::OnKillFocus, this);
}

CMyEdit::CMyEdit(wxWindow* parent, wxWindowID id, const wxString& value, const wxPoint& pos,
                 const wxSize& size, long style, const wxValidator& validator, const wxString& name)
    : wxTextCtrl(parent, id, value, pos, size, style, validator, name) {
    Bind(wxEVT_KILL_FOCUS, &CMyEdit::OnKillFocus, this);
}

void CMyEdit::OnKillFocus(wxFocusEvent& event) {
    // The focus change itself must go on as usual.
    event.Skip();
    for (wxWindow* window = GetParent(); window != nullptr; window = window->GetParent()) {
        if (auto* owner = dynamic_cast<stillmark::ISoundPathOwner*>(window)) {
            owner->ShowSoundPath(GetValue().utf8_string());
            return;
        }
        if (window->IsTopLevel()) {
            return;
        }
    }
}
