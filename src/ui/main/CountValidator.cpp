#include "ui/main/CountValidator.h"

#include "ui/common/MessageBox.h"

#include <charconv>
#include <wx/textctrl.h>

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
