#pragma once
// Keeps the settings file in step with the window: each change restarts a short one-shot timer, yet a
// stream of changes is written at least every two seconds. A save writes only the keys whose values
// changed since the last save (and keys the file lacks), so hand edits of the others survive. A
// failure is told to the user once per run, after the current event, and the next change tries again;
// once the program ends it goes to standard error only, as no box may outlive the window.
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
    static constexpr std::chrono::milliseconds kLongestWait{2000};

    // `current` is the window's model; `saved` what the file holds now.
    SettingsAutosave(SettingsStore& store, MessageBox& messages, const Settings& current, Settings saved);
    ~SettingsAutosave() override;

    // Something changed: write once the changes settle, or when the first unsaved one is 2 s old.
    void Changed();
    // Writes at once when the settings differ from the last written ones; false when a write failed.
    bool SaveNow();
    // The end of the program: writes what changed and any key the file lacks, so the file holds them all.
    bool SaveAtEnd();
    // From now on problems go to standard error only.
    void EndOfProgram() { m_ending = true; }
    // Tells the user of a settings problem after the current event, once per run.
    void ReportOnce(const std::string& problem);

private:
    void OnSettled(wxTimerEvent& event);

    SettingsStore& m_store;
    MessageBox& m_messages;
    const Settings& m_current;
    Settings m_saved;
    wxTimer m_timer;
    std::chrono::steady_clock::time_point m_firstUnsaved;
    bool m_told = false;
    bool m_ending = false;
};

} // namespace stillmark
