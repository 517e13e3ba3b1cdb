#include "ui/main/CountField.h"

#include "schedule/MomentSchedule.h"
#include "ui/main/StepArrows.h"

#include <algorithm>
#include <wx/textctrl.h>

namespace stillmark {

CountField::CountField(wxTextCtrl& field, StepArrows& arrows, const int& lastRead)
    : m_field(field), m_arrows(arrows), m_lastRead(lastRead) {
    m_field.Bind(wxEVT_KEY_DOWN, &CountField::OnKeyDown, this);
    m_arrows.Bind(EVT_STEP_ARROWS, &CountField::OnArrows, this);
}

CountField::~CountField() {
    m_field.Unbind(wxEVT_KEY_DOWN, &CountField::OnKeyDown, this);
    m_arrows.Unbind(EVT_STEP_ARROWS, &CountField::OnArrows, this);
}

void CountField::Step(int step) {
    long typed = 0;
    const int from =
        m_field.GetValue().ToLong(&typed) ? static_cast<int>(std::clamp(typed, -1L, 1000L)) : m_lastRead;
    m_field.SetValue(wxString::Format("%d", StepMomentCount(from, step)));
}

void CountField::OnArrows(wxCommandEvent& event) {
    Step(event.GetInt());
}

void CountField::OnKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (!event.HasAnyModifiers() && (key == WXK_UP || key == WXK_NUMPAD_UP))
        Step(+1);
    else if (!event.HasAnyModifiers() && (key == WXK_DOWN || key == WXK_NUMPAD_DOWN))
        Step(-1);
    else
        event.Skip();
}

} // namespace stillmark
