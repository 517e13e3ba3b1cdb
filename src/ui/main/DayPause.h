#pragma once
// "Pause for today" in the icon's menu: the local date stored in the settings, and the menu's entry kept
// to it, also past midnight, when the pause has run out by itself.
#include <functional>
#include <string>
#include <wx/event.h>
#include <wx/timer.h>

namespace stillmark {

class Clock;

class DayPause final : public wxEvtHandler {
public:
    // pausedOn is the setting (YYYY-MM-DD or empty); onLabel gets whether the entry offers to resume;
    // onStored follows each change of the setting.
    DayPause(const Clock& clock, std::string& pausedOn, std::function<void(bool paused)> onLabel,
             std::function<void()> onStored);
    ~DayPause() override;

    // The menu's choice: pauses today, or resumes.
    void Toggle();
    bool PausedToday() const;
    // Tells the menu again and waits for the next midnight.
    void Refresh();

private:
    const Clock& m_clock;
    std::string& m_pausedOn;
    std::function<void(bool)> m_onLabel;
    std::function<void()> m_onStored;
    wxTimer m_midnight;
};

} // namespace stillmark
