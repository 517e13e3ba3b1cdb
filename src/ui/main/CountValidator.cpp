#include "ui/main/CountValidator.h"

#include "base/MessageBox.h"
#include "schedule/MomentSchedule.h"

#include <algorithm>
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

void CountValidator::BindKeys() {
    Bind(wxEVT_CHAR, &CountValidator::OnChar, this);
    Bind(wxEVT_KEY_DOWN, &CountValidator::OnKeyDown, this);
}

void CountValidator::OnChar(wxKeyEvent& event) {
    // Digits only from the keyboard; editing and navigation keys pass.
    const wxChar typed = event.GetUnicodeKey();
    const int key = event.GetKeyCode();
    const bool isDigit = typed >= '0' && typed <= '9';
    const bool isControl = typed == WXK_NONE ? key != WXK_NONE : (typed < WXK_SPACE || typed == WXK_DELETE);
    // Shortcuts (Ctrl+V pastes, and is checked when read) pass; Shift is only another character.
    const bool shortcut = (event.GetModifiers() & (wxMOD_CONTROL | wxMOD_ALT | wxMOD_META)) != 0;
    if (isDigit || isControl || shortcut)
        event.Skip();
    else
        wxBell();
}

void CountValidator::OnKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (!event.HasAnyModifiers() && (key == WXK_UP || key == WXK_NUMPAD_UP))
        Step(+1);
    else if (!event.HasAnyModifiers() && (key == WXK_DOWN || key == WXK_NUMPAD_DOWN))
        Step(-1);
    else
        event.Skip();
}

void CountValidator::Step(int step) {
    auto* field = dynamic_cast<wxTextCtrl*>(GetWindow());
    if (!field)
        return;
    long typed = 0;
    const int from =
        field->GetValue().ToLong(&typed) ? static_cast<int>(std::clamp(typed, -1L, 1000L)) : m_value;
    field->SetValue(wxString::Format("%d", StepMomentCount(from, step)));
}

bool CountValidator::TransferToWindow() {
    if (auto* field = dynamic_cast<wxTextCtrl*>(GetWindow()))
        field->ChangeValue(wxString::Format("%d", m_value));
    return true;
}

bool CountValidator::TransferFromWindow() {
    auto* field = dynamic_cast<wxTextCtrl*>(GetWindow());
    if (!field)
        return true;
    if (ParseWholeNumber(field->GetValue().utf8_string(), m_value))
        return true;
    m_messages.Show(wxGetTranslation(kNotAnIntegerMessage).utf8_string(), MessageIcon::Exclamation);
    field->SetFocus();
    field->SelectAll();
    return false;
}

} // namespace stillmark
