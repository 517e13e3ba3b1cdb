#include "ui/main/SoundPathField.h"

#include <algorithm>
#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/textctrl.h>

namespace stillmark {

bool IsShortenedPath(const std::string& text) {
    return text.rfind("...", 0) == 0;
}

SoundPathField::SoundPathField(wxTextCtrl& field, std::function<void(const std::string&)> onLeave)
    : m_field(field), m_onLeave(std::move(onLeave)) {
    m_field.Bind(wxEVT_KILL_FOCUS, &SoundPathField::OnKillFocus, this);
}

SoundPathField::~SoundPathField() {
    m_field.Unbind(wxEVT_KILL_FOCUS, &SoundPathField::OnKillFocus, this);
}

bool SoundPathField::Show(const std::string& path) {
    const wxString full = wxString::FromUTF8(path);
    wxClientDC dc(&m_field);
    dc.SetFont(m_field.GetFont());
    // No mnemonics or tabs in a path: every character is shown as it is.
    const wxString shown =
        wxControl::Ellipsize(full, dc, wxELLIPSIZE_START, TextAreaWidth(m_field), wxELLIPSIZE_FLAGS_NONE);
    m_field.ChangeValue(shown);
    m_field.SetInsertionPointEnd();
    m_field.ShowPosition(m_field.GetLastPosition());
    return shown != full;
}

std::string SoundPathField::Text() const {
    return m_field.GetValue().utf8_string();
}

bool SoundPathField::HasFocus() const {
    return wxWindow::FindFocus() == &m_field;
}

void SoundPathField::OnKillFocus(wxFocusEvent& event) {
    event.Skip(); // the focus change itself goes on as usual
    m_onLeave(Text());
}

} // namespace stillmark
