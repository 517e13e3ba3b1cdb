#pragma once
// The "Days" frame: a toggle a day, labelled with the locale's short day names in its week order,
// pressed in on the days that alert. Each change writes the days into the settings and is told to
// onChanged; a stored text that names no days stays as it is until the user changes one.
#include <functional>
#include <string>
#include <utility>
#include <vector>

class wxStaticBox;
class wxToggleButton;

namespace stillmark {

class DayToggles {
public:
    // The toggles go into the frame's sizer, in reading order.
    DayToggles(wxStaticBox& frame, std::string& days, std::function<void()> onChanged);
    DayToggles(const DayToggles&) = delete;
    DayToggles& operator=(const DayToggles&) = delete;

    static constexpr const char* kName = "day"; // each toggle's window name

private:
    void Changed();

    std::string& m_days;
    std::function<void()> m_onChanged;
    std::vector<std::pair<int, wxToggleButton*>> m_toggles; // Monday-based position, toggle
};

} // namespace stillmark
