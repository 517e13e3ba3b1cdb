#include "ui/main/AutostartBox.h"

#include "base/MessageBox.h"
#include "ui/main/Autostart.h"

#include <wx/checkbox.h>

namespace stillmark {

AutostartBox::AutostartBox(wxCheckBox& box, Autostart& autostart, MessageBox& messages)
    : m_box(box), m_autostart(autostart), m_messages(messages) {
    if (const std::string label = m_autostart.BoxLabel(); !label.empty())
        m_box.SetLabel(wxString::FromUTF8(label));
    m_box.SetValue(m_autostart.IsOn());
    m_box.Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { Switched(); });
}

void AutostartBox::Switched() {
    const std::string problem = m_box.GetValue() ? m_autostart.TurnOn() : m_autostart.TurnOff();
    m_box.SetValue(m_autostart.IsOn());
    if (!problem.empty())
        m_messages.Show(problem, MessageIcon::Exclamation);
}

} // namespace stillmark
