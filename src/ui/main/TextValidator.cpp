#include "ui/main/TextValidator.h"

#include <wx/combobox.h>
#include <wx/textctrl.h>

namespace stillmark {

bool TextValidator::TransferToWindow() {
    const wxString text = wxString::FromUTF8(m_value);
    if (auto* combo = dynamic_cast<wxComboBox*>(GetWindow())) {
        const wxString wanted = text.Lower();
        for (unsigned i = 0; i < combo->GetCount(); ++i) {
            if (combo->GetString(i).Lower().StartsWith(wanted)) {
                combo->SetSelection(static_cast<int>(i));
                return true;
            }
        }
        combo->ChangeValue(text);
    } else if (auto* field = dynamic_cast<wxTextCtrl*>(GetWindow())) {
        field->ChangeValue(text);
    }
    return true;
}

bool TextValidator::TransferFromWindow() {
    if (auto* combo = dynamic_cast<wxComboBox*>(GetWindow()))
        m_value = combo->GetValue().utf8_string();
    else if (auto* field = dynamic_cast<wxTextCtrl*>(GetWindow()))
        m_value = field->GetValue().utf8_string();
    return true;
}

} // namespace stillmark
