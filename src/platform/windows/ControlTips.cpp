#include "ui/main/ControlTips.h"

#include <wx/tooltip.h>
#include <wx/window.h>

namespace stillmark {

// The tips are wx's own tooltips, which on Windows show plain text: the title is its first line.
struct ControlTips::State {
    bool enabled = true;
};

ControlTips::ControlTips(const wxBitmap&) : m_state(std::make_shared<State>()) {}

ControlTips::~ControlTips() = default;

bool ControlTips::IsEnabled() const {
    return m_state->enabled;
}

std::string ControlTips::Markup(std::string_view text) {
    return std::string("Stillmark\n").append(text);
}

std::string ControlTips::MarkupOf(const wxWindow& control) {
    const wxToolTip* tip = control.GetToolTip();
    return tip ? tip->GetTip().utf8_string() : std::string();
}

void ControlTips::Add(wxWindow& control, const std::string& text) {
    control.SetToolTip(wxString::FromUTF8(Markup(text)));
}

void ControlTips::Enable(bool enabled) {
    m_state->enabled = enabled;
    // All of the program's tips at once, the one on screen too.
    wxToolTip::Enable(enabled);
}

} // namespace stillmark
