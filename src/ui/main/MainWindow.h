#pragma once
// The program's one window: the daily window, the number of moments, the increment, the sound and
// the options, the list of the day's moments, and the way to the background. Closing it ends the
// program; the settings it shows are on disk within about a second of each change.
#include "schedule/DaySchedule.h"
#include "settings/Settings.h"
#include "ui/main/AutostartBox.h"
#include "ui/main/ControlTips.h"
#include "ui/main/DayPause.h"
#include "ui/main/DayToggles.h"
#include "ui/main/MainWindowServices.h"
#include "ui/main/Reminder.h"
#include "ui/main/SettingsAutosave.h"
#include "ui/main/SoundControls.h"
#include "ui/main/TrayPresence.h"
#include "ui/main/WindowEnding.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <wx/dialog.h>
#include <wx/icon.h>

class wxListBox;
class wxStaticText;
class wxTextCtrl;

namespace stillmark {

class CountField;

class MainWindow final : public wxDialog {
public:
    explicit MainWindow(MainWindowServices services);
    ~MainWindow() override;

    // Places the window at its stored position (or centred) and shows it, or goes straight to the
    // background when the settings ask for it.
    void Start();
    // The program is asked to end (a signal, the menu's Exit): the settings are written at once, open
    // dialogs and message boxes are ended innermost first, then the window closes.
    void EndOnRequest();
    // Brings the window back from the background or forward (another start of the program asked).
    void ComeBack();
    // Writes the settings now if they changed (the display connection is going away).
    void SaveSettingsNow();

    // Controls to settings in the order the window has always read them, each validated and then read,
    // stopping at a refused count.
    bool TransferDataFromWindow() override;
    bool TransferDataToWindow() override;

    const Settings& CurrentSettings() const { return m_settings; }
    const DaySchedule& Schedule() const { return m_schedule; }
    Reminder& GetReminder() { return m_reminder; }

private:
    // The constructor's steps, in order.
    void BuildFromResources();
    void ShowSettings();
    void AddTips();
    void PrepareBackground();
    void BindEvents();
    void StartReminding();

    // The controls the window reads and the parts that look after some of them.
    void AttachToControls();
    void SizeToContent();
    void SetValidators();
    void PlaceWindow();

    void Edited();
    void RebuildList();
    void ShowQuietHint();
    void StepTime(int step, std::string& time, wxTextCtrl* field);
    void Alert(std::optional<std::size_t> index, ReminderDelivery delivery);
    // The icon's tip names what comes next.
    void ShowNextMoment();
    void GoToBackground(bool withBalloon);
    void TakeOverTypedSoundPath();

    void OnEdited(wxCommandEvent& event);
    void OnUseAmPm(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    MainWindowServices m_services;
    std::string m_loadProblem;
    Settings m_settings;
    DaySchedule m_schedule;
    SettingsAutosave m_autosave;
    Reminder m_reminder;
    wxIcon m_icon;
    std::unique_ptr<ControlTips> m_tips;
    std::unique_ptr<SoundControls> m_sound;
    std::unique_ptr<CountField> m_countField;
    std::unique_ptr<DayToggles> m_days;
    std::unique_ptr<AutostartBox> m_autostart;
    std::unique_ptr<TrayPresence> m_presence;
    std::unique_ptr<DayPause> m_pause;
    WindowEnding m_ending;

    wxTextCtrl* m_startTime = nullptr;
    wxTextCtrl* m_endTime = nullptr;
    wxTextCtrl* m_count = nullptr;
    wxListBox* m_moments = nullptr;
    wxStaticText* m_quietHint = nullptr;
    std::vector<wxWindow*> m_exchangeOrder;

    std::string m_builtFrom; // what the list was last built from
    bool m_transferring = false;
    bool m_reformatting = false;
};

} // namespace stillmark
