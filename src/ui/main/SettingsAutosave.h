#pragma once
// Keeps the settings file in step with the window: each change restarts a short one-shot timer; when
// it fires the settings are written if they differ from what was last written. A failure is told to
// the user once per run, after the current event; the next change tries again.
#include "settings/SettingsStore.h"

#include <chrono>
#include <string>
#include <wx/event.h>
#include <wx/timer.h>

namespace stillmark {

class MessageBox;

class SettingsAutosave final : public wxEvtHandler {
public:
    static constexpr std::chrono::milliseconds kSettleDelay{1000};

    // `current` is the window's model; `saved` what the file holds now.
    SettingsAutosave(SettingsStore& store, MessageBox& messages, const Settings& current, Settings saved);
    ~SettingsAutosave() override;

    // Something changed: write once the changes settle.
    void Changed();
    // Writes at once when the settings differ from the last written ones; false when a write failed.
    bool SaveNow();
    // The end of the program: every setting is written, changed or not, so the file holds them all.
    bool SaveAtEnd();
    // Tells the user of a settings problem after the current event, once per run.
    void ReportOnce(const std::string& problem);

private:
    void OnSettled(wxTimerEvent& event);

    SettingsStore& m_store;
    MessageBox& m_messages;
    const Settings& m_current;
    Settings m_saved;
    wxTimer m_timer;
    bool m_told = false;
};

} // namespace stillmark
