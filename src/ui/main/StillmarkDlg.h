#pragma once
// The program's one window: the daily window, the number of moments, the increment, the
// sound and the options, the list of the day's moments, and the way to the background.
#include "app/Dialog.h"
#include "schedule/Clock.h"
#include "schedule/DaySchedule.h"
#include "settings/SettingsStore.h"
#include "sound/SoundEngine.h"
#include "ui/info/InfoServices.h"
#include "ui/info/LinkOpener.h"
#include "ui/main/ControlTips.h"
#include "ui/main/SoundPathOwner.h"
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <memory>
#include <string>
#include <wx/icon.h>
#include <wx/timer.h>

class CMyEdit;
class CUpDownCtrl;
class CUpDownEvent;
class wxButton;
class wxComboBox;
class wxTextCtrl;
class wxTreeCtrl;
class wxTreeItemId;

namespace stillmark {
class MessageBox;
class SoundPlayback;
} // namespace stillmark

// The seams of the window; whatever is left empty gets the real implementation.
struct StillmarkDlgServices {
    using NotifyIconFactory = std::function<std::unique_ptr<stillmark::TrayIcon>(
        wxWindow& owner, const wxIcon& icon, std::function<void(stillmark::TrayClick)> onClick)>;

    std::unique_ptr<stillmark::SettingsStore> settings;
    std::unique_ptr<stillmark::Clock> clock;
    std::unique_ptr<stillmark::SoundEngine> soundEngine;
    NotifyIconFactory makeNotifyIcon;
    std::function<void(wxWindow* owner, stillmark::InfoServices& services)> showAbout;
};

class CStillmarkDlg : public CDialog, public stillmark::ISoundPathOwner {
public:
    enum {
        IDD = 1022,
        IDC_SOUND = 1005,
        IDC_BROWSE_SOUND = 1006,
        IDC_PLAY_SOUND = 1007,
        IDC_SPIN_STILLMARKS = 1008,
        IDC_STILLMARKS = 1009,
        IDC_SPIN_START_TIME = 1010,
        IDC_SPIN_END_TIME = 1011,
        IDC_STOP_SOUND = 1012,
        IDC_USE_SOUND = 1013,
        IDC_MOMENTS = 1014,
        IDC_START_TIME = 1015,
        IDC_END_TIME = 1016,
        IDC_USE_AMPM = 1017,
        IDC_START_MINIMIZED = 1018,
        IDC_SHOW_TIP = 1019,
        IDC_INCREMENT = 2001,
        IDC_ABOUT = 4,
        IDB_ICON = 1040,
        IDI_PLAY = 1062,
        IDI_STOP = 1063,
    };

    explicit CStillmarkDlg(wxWindow* parent = nullptr, StillmarkDlgServices services = {});
    ~CStillmarkDlg() override;

    // Initialises and shows the window without running a loop (the loop is DoModal's).
    bool StartDialog();
    bool Show(bool show = true) override;
    bool Destroy() override;

    // Operations other parts of the program call.
    void BuildMomentList();
    bool ShowSoundPath(std::string text) override;
    void GoToBackground(bool withBalloon);
    void SaveWindowPosition();
    double ParseTime(const std::string& text) const;
    std::string FormatTime(double hours) const;

    // Sound operations, shared with the reminder and the About box.
    void PlayBuiltInSound(const std::string& name);
    void OpenMediaFile(const std::string& path);
    void PlaySoundFile(const std::string& path);
    std::string ProgramDir() const { return m_strProgramDir; }

    // The icon operations.
    void AddNotifyIcon(const std::string& title, const std::string& text, const std::string& tip,
                       int timeoutSeconds);
    void ModifyNotifyIcon(const std::string& title, const std::string& text, const std::string& tip,
                          int timeoutSeconds);
    void RemoveNotifyIcon();

    // Event entry points, public so the notification-area icon and tests can reach them.
    void OnNotifyIcon(stillmark::TrayClick click);
    void OnTimerTick();

    // Members, in the order the window declares them.
    CMyEdit* m_editSound = nullptr;
    wxButton* m_btnPlay = nullptr;
    wxButton* m_btnStop = nullptr;
    wxComboBox* m_comboIncrement = nullptr;
    wxTextCtrl* m_editStillmarks = nullptr;
    wxTextCtrl* m_editEndTime = nullptr;
    wxTextCtrl* m_editStartTime = nullptr;
    wxTreeCtrl* m_treeMoments = nullptr;
    CUpDownCtrl* m_spinStillmarks = nullptr;
    CUpDownCtrl* m_spinEndTime = nullptr;
    CUpDownCtrl* m_spinStartTime = nullptr;
    int m_bUseSound = 0;
    int m_nStillmarks = 0;
    int m_nSoundFilter = 0;
    int m_bUseAmPm = 0;
    int m_bStartMinimized = 0;
    std::string m_strIncrement;
    std::string m_strStartTime;
    std::string m_strEndTime;
    int m_bShowTip = 0;
    std::string m_strSound;
    bool m_bReformatting = false;
    bool m_bKeepHidden = false;
    double m_dStartTime = 0.0;
    double m_dEndTime = 0.0;
    wxIcon m_hIcon;
    std::string m_strProgramDir;
    stillmark::ControlTips m_ToolTip;

protected:
    void DoDataExchange(stillmark::CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnCreate();
    void OnDestroy();
    void OnShowWindow(wxShowEvent& event);
    void OnIconize(wxIconizeEvent& event);
    void OnBrowseSound(wxCommandEvent& event);
    void OnStartSpin(CUpDownEvent& event);
    void OnEndSpin(CUpDownEvent& event);
    void OnStillmarksSpin(CUpDownEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnChangeStillmarks(wxCommandEvent& event);
    void OnChangeStartTime(wxCommandEvent& event);
    void OnChangeEndTime(wxCommandEvent& event);
    void OnStillmarksChar(wxKeyEvent& event);
    void OnPlaySound(wxCommandEvent& event);
    void OnStopSound(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnUseAmPm(wxCommandEvent& event);
    void OnShowTip(wxCommandEvent& event);
    void OnShow(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnRunBackground(wxCommandEvent& event);

    void StepTime(int delta, std::string& member, wxTextCtrl* edit);
    void RebuildMomentList(bool controlsJustRead);
    void Alert(const wxTreeItemId& item);
    void KeepTimerOnTheSecond();
    void PlaceWindow(int left, int top, int right, int bottom);
    void ShowFromBackground();
    stillmark::Settings CurrentSettings() const;

    StillmarkDlgServices m_services;
    std::unique_ptr<stillmark::SettingsStore> m_settingsStore;
    stillmark::WindowRect m_windowPosition;
    stillmark::DaySchedule m_schedule;
    std::unique_ptr<stillmark::Clock> m_clock;
    std::unique_ptr<stillmark::SoundEngine> m_soundEngine;
    std::unique_ptr<stillmark::MessageBox> m_messageBox;
    stillmark::DesktopLinkOpener m_opener;
    std::unique_ptr<stillmark::SoundPlayback> m_sound;
    std::unique_ptr<stillmark::TrayIcon> m_notifyIcon;
    std::unique_ptr<stillmark::MouseMoveRelay> m_mouseRelay;
    wxTimer m_timer;
    bool m_inBackground = false;
    bool m_inTick = false;
    bool m_timerRealigning = false;
    bool m_destroyed = false;

    wxDECLARE_EVENT_TABLE();
};
