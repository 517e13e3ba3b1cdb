#include "ui/main/SettingsAutosave.h"

#include "base/MessageBox.h"

#include <algorithm>
#include <wx/log.h>

namespace stillmark {

SettingsAutosave::SettingsAutosave(SettingsStore& store, MessageBox& messages, const Settings& current,
                                   Settings saved)
    : m_store(store), m_messages(messages), m_current(current), m_saved(std::move(saved)), m_timer(this) {
    Bind(wxEVT_TIMER, &SettingsAutosave::OnSettled, this, m_timer.GetId());
}

SettingsAutosave::~SettingsAutosave() {
    m_timer.Stop();
}

void SettingsAutosave::Changed() {
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (!m_timer.IsRunning())
        m_firstUnsaved = now;
    const auto untilLatest = duration_cast<milliseconds>(m_firstUnsaved + kLongestWait - now);
    const auto delay = std::clamp(untilLatest, milliseconds(0), kSettleDelay);
    m_timer.StartOnce(static_cast<int>(delay.count()));
}

void SettingsAutosave::OnSettled(wxTimerEvent&) {
    SaveNow();
}

bool SettingsAutosave::SaveNow() {
    if (m_current == m_saved) {
        m_timer.Stop();
        return true;
    }
    return SaveAtEnd();
}

bool SettingsAutosave::SaveAtEnd() {
    m_timer.Stop();
    const Outcome result = m_store.Save(m_current, m_saved);
    if (!result.ok()) {
        ReportOnce(result.problem);
        return false;
    }
    m_saved = m_current;
    return true;
}

void SettingsAutosave::ReportOnce(const std::string& problem) {
    if (m_told || problem.empty())
        return;
    m_told = true;
    // Also in the log: at the very end no event follows to show the box.
    wxLogError("%s", wxString::FromUTF8(problem));
    if (m_ending)
        return;
    // Shown after the current event, so a tick or a close in progress is never held up by it.
    CallAfter([this, problem] {
        if (!m_ending)
            m_messages.Show(problem, MessageIcon::Exclamation);
    });
}

} // namespace stillmark
