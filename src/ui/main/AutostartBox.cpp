#include "ui/main/AutostartBox.h"

#include "base/MessageBox.h"
#include "ui/common/DesktopLanguage.h"

#include <wx/checkbox.h>

namespace stillmark {

AutostartBox::AutostartBox(wxCheckBox& box, std::filesystem::path entryFile, std::filesystem::path launcher,
                           MessageBox& messages)
    : m_box(box), m_entry(std::move(entryFile), InDesktopLanguage), m_launcher(std::move(launcher)),
      m_messages(messages) {
    m_box.SetValue(m_entry.IsOn());
    m_box.Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { Switched(); });
}

void AutostartBox::Switched() {
    const std::string problem = m_box.GetValue() ? m_entry.TurnOn(m_launcher) : m_entry.TurnOff();
    m_box.SetValue(m_entry.IsOn());
    if (!problem.empty())
        m_messages.Show(problem, MessageIcon::Exclamation);
}

} // namespace stillmark
