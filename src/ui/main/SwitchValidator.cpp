#include "ui/main/SwitchValidator.h"

#include <wx/checkbox.h>

namespace stillmark {

bool SwitchValidator::TransferToWindow() {
    if (auto* box = dynamic_cast<wxCheckBox*>(GetWindow()))
        box->SetValue(m_value != 0);
    return true;
}

bool SwitchValidator::TransferFromWindow() {
    if (auto* box = dynamic_cast<wxCheckBox*>(GetWindow()))
        m_value = box->GetValue() ? 1 : 0;
    return true;
}

} // namespace stillmark
