#include "ui/main/DayToggles.h"

#include "schedule/AlertDays.h"
#include "schedule/WeekDays.h"
#include "ui/common/AccessibleName.h"

#include <algorithm>
#include <array>
#include <wx/datetime.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/tglbtn.h>

namespace stillmark {

DayToggles::DayToggles(wxStaticBox& frame, std::string& days, std::function<void()> onChanged)
    : m_days(days), m_onChanged(std::move(onChanged)) {
    const std::array<bool, 7> pressed = ReadDays(m_days);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    int widest = 0;
    for (const DayToggle& day : LocaleDayToggles()) {
        auto* toggle = new wxToggleButton(&frame, wxID_ANY, wxString::FromUTF8(day.label), wxDefaultPosition,
                                          wxDefaultSize, wxBU_EXACTFIT, wxDefaultValidator, kName);
        toggle->SetValue(pressed[static_cast<std::size_t>(day.position)]);
        // The short name is a label; a screen reader reads the whole one.
        const auto weekday = static_cast<wxDateTime::WeekDay>((day.position + 1) % 7);
        SetAccessibleName(*toggle, wxDateTime::GetWeekDayName(weekday, wxDateTime::Name_Full));
        toggle->Bind(wxEVT_TOGGLEBUTTON, [this](wxCommandEvent&) { Changed(); });
        row->Add(toggle, 1, m_toggles.empty() ? 0 : wxLEFT, frame.FromDIP(6));
        widest = std::max(widest, toggle->GetBestSize().x);
        m_toggles.emplace_back(day.position, toggle);
    }
    // One width for all: the row reads as one control, whatever the names' lengths.
    for (const auto& [position, toggle] : m_toggles)
        toggle->SetMinSize(wxSize(widest, -1));
    frame.GetContainingSizer()->Add(row, 0, wxALL | wxEXPAND, frame.FromDIP(6));
}

void DayToggles::Changed() {
    std::array<bool, 7> pressed{};
    for (const auto& [position, toggle] : m_toggles)
        pressed[static_cast<std::size_t>(position)] = toggle->GetValue();
    m_days = DaysText(pressed);
    m_onChanged();
}

} // namespace stillmark
