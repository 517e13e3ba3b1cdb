#include "ui/main/SwitchValidator.h"

#include <wx/checkbox.h>

namespace stillmark {

bool SwitchValidator::TransferToWindow() {
    if (auto* box = wxDynamicCast(GetWindow(), wxCheckBox))
        box->SetValue(m_value != 0);
    return true;
}

bool SwitchValidator::TransferFromWindow() {
    if (auto* box = wxDynamicCast(GetWindow(), wxCheckBox))
        m_value = box->GetValue() ? 1 : 0;
    return true;
}

} // namespace stillmark
