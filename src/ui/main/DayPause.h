#pragma once
// "Pause for today" in the icon's menu: the working day stored in the settings, and the menu's entry
// kept to it, also when the day has passed and the pause has run out by itself. The working day of an
// overnight window runs on past midnight to the window's end.
#include <functional>
#include <string>
#include <wx/event.h>
#include <wx/timer.h>

namespace stillmark {

class Clock;
struct Settings;

class DayPause final : public wxEvtHandler {
public:
    // settings.pausedOn is the pause (YYYY-MM-DD or empty), its start and end times the window;
    // onLabel gets whether the entry offers to resume; onStored follows each change of the pause.
    DayPause(const Clock& clock, Settings& settings, std::function<void(bool paused)> onLabel,
             std::function<void()> onStored);
    ~DayPause() override;

    // The menu's choice: pauses the working day, or resumes.
    void Toggle();
    bool PausedToday() const;
    // Tells the menu again and waits for the next working day.
    void Refresh();

private:
    const Clock& m_clock;
    Settings& m_settings;
    std::function<void(bool)> m_onLabel;
    std::function<void()> m_onStored;
    wxTimer m_nextDay;
};

} // namespace stillmark
