#include "ui/main/CountValidator.h"

#include "base/MessageBox.h"
#include "schedule/MomentSchedule.h"

#include <charconv>
#include <wx/textctrl.h>
#include <wx/utils.h>

namespace stillmark {

bool ParseWholeNumber(std::string_view text, int& value) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc{} || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

wxTextCtrl* CountValidator::Field() const {
    return dynamic_cast<wxTextCtrl*>(GetWindow());
}

void CountValidator::BindKeys() {
    Bind(wxEVT_CHAR, &CountValidator::OnChar, this);
}

void CountValidator::OnChar(wxKeyEvent& event) {
    // wxIntegerValidator's rules for a number that cannot be negative: keys with no character
    // (arrows, function keys), control characters and Delete pass, and digits; nothing else.
    // Shortcuts pass as well (Ctrl+V pastes, and is checked when validated); Shift is only
    // another character.
    const wxChar typed = event.GetUnicodeKey();
    const bool noCharacter = typed == WXK_NONE;
    const bool isControl = typed < WXK_SPACE || typed == WXK_DELETE;
    const bool isDigit = typed >= '0' && typed <= '9';
    const bool shortcut = (event.GetModifiers() & (wxMOD_CONTROL | wxMOD_ALT | wxMOD_META)) != 0;
    if (noCharacter || isControl || isDigit || shortcut) {
        event.Skip();
        return;
    }
    if (!IsSilent())
        wxBell();
}

bool CountValidator::Validate(wxWindow*) {
    wxTextCtrl* field = Field();
    int value = 0;
    if (!field || ParseWholeNumber(field->GetValue().utf8_string(), value))
        return true;
    m_messages.Show(wxGetTranslation(kNotAnIntegerMessage).utf8_string(), MessageIcon::Exclamation);
    field->SetFocus();
    field->SelectAll();
    return false;
}

bool CountValidator::TransferToWindow() {
    if (wxTextCtrl* field = Field())
        field->ChangeValue(wxString::Format("%d", m_value));
    return true;
}

bool CountValidator::TransferFromWindow() {
    wxTextCtrl* field = Field();
    return !field || ParseWholeNumber(field->GetValue().utf8_string(), m_value);
}

} // namespace stillmark
