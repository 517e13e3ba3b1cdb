#include "ui/main/StillmarkDlg.h"

#include "app/CompactTheme.h"
#include "schedule/ReminderText.h"
#include "schedule/TimeText.h"
#include "settings/SettingsStore.h"
#include "sound/GstSoundEngine.h"
#include "sound/SoundPlayback.h"
#include "sound/SoundSelection.h"
#include "ui/common/MessageBox.h"
#include "ui/main/MyEdit.h"
#include "ui/main/SoundPathField.h"
#include "ui/main/UpDownCtrl.h"
#include "ui/main/WindowPlacement.h"

#include <chrono>
#include <wx/bmpbuttn.h>
#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/utils.h>
#include <wx/xrc/xmlres.h>

using namespace stillmark;

namespace {

constexpr int kReminderTimerId = 116;
constexpr const char* kBackgroundBalloon =
    "Stillmark now runs in the notification area\nClick on the icon to show the dialog again";
constexpr const char* kBackgroundTip = "Stillmark, your loyal break";

std::string FolderOfExecutable() {
    const wxString exe = wxStandardPaths::Get().GetExecutablePath();
    const int slash = exe.Find('/', true);
    return slash == wxNOT_FOUND ? std::string() : std::string(exe.Left(slash).utf8_str());
}

std::vector<ScreenRect> ConnectedScreens() {
    std::vector<ScreenRect> screens;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        const wxRect r = wxDisplay(i).GetGeometry();
        screens.push_back({r.x, r.y, r.width, r.height});
    }
    return screens;
}

} // namespace

wxBEGIN_EVENT_TABLE(CStillmarkDlg, CDialog)
    EVT_SHOW(CStillmarkDlg::OnShowWindow)
    EVT_ICONIZE(CStillmarkDlg::OnIconize) EVT_BUTTON(CStillmarkDlg::IDC_BROWSE_SOUND,
                                                     CStillmarkDlg::OnBrowseSound)
        EVT_UPDOWN_DELTAPOS(CStillmarkDlg::IDC_SPIN_START_TIME, CStillmarkDlg::OnStartSpin)
            EVT_UPDOWN_DELTAPOS(CStillmarkDlg::IDC_SPIN_END_TIME, CStillmarkDlg::OnEndSpin)
                EVT_UPDOWN_DELTAPOS(CStillmarkDlg::IDC_SPIN_STILLMARKS, CStillmarkDlg::OnStillmarksSpin)
                    EVT_TIMER(kReminderTimerId, CStillmarkDlg::OnTimer)
                        EVT_TEXT(CStillmarkDlg::IDC_STILLMARKS, CStillmarkDlg::OnChangeStillmarks)
                            EVT_TEXT(CStillmarkDlg::IDC_START_TIME, CStillmarkDlg::OnChangeStartTime)
                                EVT_TEXT(CStillmarkDlg::IDC_END_TIME, CStillmarkDlg::OnChangeEndTime)
                                    EVT_BUTTON(CStillmarkDlg::IDC_PLAY_SOUND, CStillmarkDlg::OnPlaySound)
                                        EVT_BUTTON(CStillmarkDlg::IDC_STOP_SOUND, CStillmarkDlg::OnStopSound)
                                            EVT_CLOSE(CStillmarkDlg::OnClose) EVT_CHECKBOX(
                                                CStillmarkDlg::IDC_USE_AMPM, CStillmarkDlg::OnUseAmPm)
                                                EVT_CHECKBOX(CStillmarkDlg::IDC_SHOW_TIP,
                                                             CStillmarkDlg::OnShowTip)
                                                    EVT_MENU(kIdShow, CStillmarkDlg::OnShow)
                                                        EVT_MENU(wxID_EXIT, CStillmarkDlg::OnExit)
                                                            EVT_MENU(wxID_ABOUT, CStillmarkDlg::OnAbout)
                                                                EVT_BUTTON(CStillmarkDlg::IDC_ABOUT,
                                                                           CStillmarkDlg::OnAbout)
                                                                    EVT_BUTTON(CDialog::IDOK,
                                                                               CStillmarkDlg::OnRunBackground)
wxEND_EVENT_TABLE()

CStillmarkDlg::CStillmarkDlg(wxWindow* parent, StillmarkDlgServices services)
    : m_services(std::move(services)), m_timer(this, kReminderTimerId) {
    m_settingsStore = m_services.settings ? std::move(m_services.settings)
                                          : std::make_unique<SettingsStore>(DefaultSettingsPath());
    m_clock = m_services.clock ? std::move(m_services.clock) : std::make_unique<SystemClock>();
    m_soundEngine =
        m_services.soundEngine ? std::move(m_services.soundEngine) : std::make_unique<GstSoundEngine>();
    m_messageBox = std::make_unique<WxMessageBox>();
    m_sound = std::make_unique<SoundPlayback>(*m_soundEngine, *m_messageBox);
    if (!m_services.makeNotifyIcon) {
        m_services.makeNotifyIcon = [](wxWindow& owner, const wxIcon& icon,
                                       std::function<void(TrayClick)> onClick) {
            return MakeDesktopTrayIcon(owner, icon, std::move(onClick));
        };
    }
    if (!m_services.showAbout)
        m_services.showAbout = [](wxWindow* owner, InfoServices& info) { ShowAboutBox(owner, info); };

    if (CreateFromTemplate(parent, wxString::Format("%d", int(IDD))))
        OnCreate();
    m_strProgramDir = FolderOfExecutable();
}

CStillmarkDlg::~CStillmarkDlg() {
    if (!m_destroyed)
        OnDestroy();
}

void CStillmarkDlg::OnCreate() {
    m_editSound = dynamic_cast<CMyEdit*>(FindWindow(IDC_SOUND));
    m_btnPlay = dynamic_cast<wxButton*>(FindWindow(IDC_PLAY_SOUND));
    m_btnStop = dynamic_cast<wxButton*>(FindWindow(IDC_STOP_SOUND));
    m_comboIncrement = dynamic_cast<wxComboBox*>(FindWindow(IDC_INCREMENT));
    m_editStillmarks = dynamic_cast<wxTextCtrl*>(FindWindow(IDC_STILLMARKS));
    m_editEndTime = dynamic_cast<wxTextCtrl*>(FindWindow(IDC_END_TIME));
    m_editStartTime = dynamic_cast<wxTextCtrl*>(FindWindow(IDC_START_TIME));
    m_treeMoments = dynamic_cast<wxTreeCtrl*>(FindWindow(IDC_MOMENTS));
    m_spinStillmarks = dynamic_cast<CUpDownCtrl*>(FindWindow(IDC_SPIN_STILLMARKS));
    m_spinEndTime = dynamic_cast<CUpDownCtrl*>(FindWindow(IDC_SPIN_END_TIME));
    m_spinStartTime = dynamic_cast<CUpDownCtrl*>(FindWindow(IDC_SPIN_START_TIME));
    if (m_treeMoments && !m_treeMoments->GetRootItem().IsOk())
        m_treeMoments->AddRoot(wxString());
    if (m_editStillmarks)
        m_editStillmarks->Bind(wxEVT_CHAR, &CStillmarkDlg::OnStillmarksChar, this);
    if (wxWindow* showTip = FindWindow(IDC_SHOW_TIP))
        EnableMultilineLabel(*showTip);
    // The template's size in the dialog's own font (the loader measured it in the default one).
    SetClientSize(ConvertDialogToPixels(wxSize(300, 166)));

    const wxBitmap bitmap = wxXmlResource::Get()->LoadBitmap(wxString::Format("%d", int(IDB_ICON)));
    if (bitmap.IsOk())
        m_hIcon.CopyFromBitmap(bitmap);
}

bool CStillmarkDlg::StartDialog() {
    if (!OnInitDialog())
        return false;
    Show();
    return true;
}

bool CStillmarkDlg::OnInitDialog() {
    const Settings settings = m_settingsStore->Load().settings;
    m_windowPosition = settings.windowPosition;
    if (m_hIcon.IsOk())
        SetIcon(m_hIcon);

    m_strStartTime = settings.startHour;
    m_strEndTime = settings.endHour;
    m_strIncrement = settings.increment;
    m_nStillmarks = settings.stillpoints;
    m_bUseSound = settings.useSound;
    m_bStartMinimized = settings.startMinimized;
    m_bUseAmPm = settings.useAmPm;
    m_bShowTip = settings.showTip;
    m_bKeepHidden = (m_bStartMinimized == 1);
    m_strSound = settings.soundToPlay;
    m_nSoundFilter = settings.soundFilter;

    if (!CDialog::OnInitDialog()) {
        EndDialog(-1);
        return false;
    }
    ShowSoundPath(m_strSound);
    if (m_spinStillmarks) {
        m_spinStillmarks->SetRange(1, 40);
        m_spinStillmarks->SetPos(m_nStillmarks);
        m_spinStillmarks->SetBuddy(m_editStillmarks);
    }
    BuildMomentList();
    m_timer.Start(kReminderPeriodMs);

    m_ToolTip.Create(this);
    m_mouseRelay = std::make_unique<MouseMoveRelay>(this, [this](wxWindow* window, const wxPoint& screenPos) {
        if (m_bShowTip)
            m_ToolTip.RelayEvent(window, screenPos);
    });

    m_notifyIcon =
        m_services.makeNotifyIcon(*this, m_hIcon, [this](TrayClick click) { OnNotifyIcon(click); });
    PlaceWindow(m_windowPosition.left, m_windowPosition.top, m_windowPosition.right, m_windowPosition.bottom);
    if (m_bStartMinimized)
        GoToBackground(false);
    return true;
}

void CStillmarkDlg::PlaceWindow(int left, int top, int right, int bottom) {
    const wxSize size = GetSize();
    const auto corner =
        ChooseWindowCorner({left, top, right, bottom}, size.GetWidth(), size.GetHeight(), ConnectedScreens());
    if (corner) {
        Move(corner->x, corner->y);
        // Raising would also show a window that is to stay hidden; a window shown later
        // comes up on top anyway.
        if (IsShown())
            Raise();
    } else {
        Centre();
    }
}

void CStillmarkDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_USE_SOUND, m_bUseSound);
    DDX_Text(dx, IDC_STILLMARKS, m_nStillmarks);
    DDX_Check(dx, IDC_USE_AMPM, m_bUseAmPm);
    DDX_Check(dx, IDC_START_MINIMIZED, m_bStartMinimized);
    DDX_CBString(dx, IDC_INCREMENT, m_strIncrement);
    DDX_Text(dx, IDC_START_TIME, m_strStartTime);
    DDX_Text(dx, IDC_END_TIME, m_strEndTime);
    DDX_Check(dx, IDC_SHOW_TIP, m_bShowTip);
}

bool CStillmarkDlg::Show(bool show) {
    // After a start in the background the window stays invisible until the way back.
    if (show && m_bStartMinimized && m_bKeepHidden)
        return false;
    return CDialog::Show(show);
}

bool CStillmarkDlg::Destroy() {
    if (!m_destroyed)
        OnDestroy();
    return CDialog::Destroy();
}

void CStillmarkDlg::OnDestroy() {
    m_destroyed = true;
    m_timer.Stop();
    // Escape and the close box leave a typed sound path in the field: take it over as
    // leaving the field would.
    if (m_editSound && wxWindow::FindFocus() == m_editSound)
        ShowSoundPath(std::string(m_editSound->GetValue().utf8_str()));
    UpdateData(true);
    m_settingsStore->Save(CurrentSettings());
    m_mouseRelay.reset();
    if (m_notifyIcon)
        RemoveNotifyIcon();
    m_notifyIcon.reset();
}

Settings CStillmarkDlg::CurrentSettings() const {
    Settings s;
    s.windowPosition = m_windowPosition;
    s.startHour = m_strStartTime;
    s.endHour = m_strEndTime;
    s.increment = m_strIncrement;
    s.stillpoints = m_nStillmarks;
    s.soundToPlay = m_strSound;
    s.useSound = m_bUseSound != 0;
    s.startMinimized = m_bStartMinimized;
    s.useAmPm = m_bUseAmPm != 0;
    s.showTip = m_bShowTip != 0;
    s.soundFilter = m_nSoundFilter;
    return s;
}

// ---- time texts and the list of moments ----

double CStillmarkDlg::ParseTime(const std::string& text) const {
    return stillmark::ParseTime(text);
}

std::string CStillmarkDlg::FormatTime(double hours) const {
    return stillmark::FormatTime(hours, m_bUseAmPm != 0);
}

void CStillmarkDlg::BuildMomentList() {
    RebuildMomentList(false);
}

void CStillmarkDlg::RebuildMomentList(bool controlsJustRead) {
    if (m_bReformatting || !m_treeMoments)
        return;
    // A handler that has just read the controls does not read them again: a refused count
    // is reported once, not twice.
    if (!controlsJustRead)
        UpdateData(true);
    const wxTreeItemId root = m_treeMoments->GetRootItem();
    m_treeMoments->DeleteChildren(root);
    m_schedule.Rebuild(m_strStartTime, m_strEndTime, m_nStillmarks, m_bUseAmPm != 0);
    for (const Moment& moment : m_schedule.Moments())
        m_treeMoments->AppendItem(root, wxString::FromUTF8(moment.text));
}

void CStillmarkDlg::OnChangeStillmarks(wxCommandEvent&) {
    if (IsExchanging())
        return;
    UpdateData(true);
    if (m_spinStillmarks)
        m_spinStillmarks->SetPos(m_nStillmarks);
    RebuildMomentList(true);
}

void CStillmarkDlg::OnChangeStartTime(wxCommandEvent&) {
    if (IsExchanging())
        return;
    UpdateData(true);
    RebuildMomentList(true);
}

void CStillmarkDlg::OnChangeEndTime(wxCommandEvent&) {
    if (IsExchanging())
        return;
    UpdateData(true);
    RebuildMomentList(true);
}

void CStillmarkDlg::OnStillmarksChar(wxKeyEvent& event) {
    // The count field takes digits only from the keyboard; editing and navigation keys pass.
    const wxChar typed = event.GetUnicodeKey();
    const int key = event.GetKeyCode();
    const bool isDigit = typed >= '0' && typed <= '9';
    const bool isControl = typed == WXK_NONE ? key != WXK_NONE : (typed < WXK_SPACE || typed == WXK_DELETE);
    if (isDigit || isControl || event.HasAnyModifiers())
        event.Skip();
    else
        wxBell();
}

void CStillmarkDlg::StepTime(int delta, std::string& member, wxTextCtrl* edit) {
    UpdateData(true);
    member = StepTimeText(member, m_strIncrement, delta, m_bUseAmPm != 0);
    if (edit)
        edit->SetValue(wxString::FromUTF8(member));
}

void CStillmarkDlg::OnStartSpin(CUpDownEvent& event) {
    StepTime(event.GetDelta(), m_strStartTime, m_editStartTime);
}

void CStillmarkDlg::OnEndSpin(CUpDownEvent& event) {
    StepTime(event.GetDelta(), m_strEndTime, m_editEndTime);
}

void CStillmarkDlg::OnStillmarksSpin(CUpDownEvent& event) {
    event.Skip();
}

void CStillmarkDlg::OnUseAmPm(wxCommandEvent&) {
    UpdateData(true);
    m_bReformatting = true;
    if (m_editStartTime)
        m_editStartTime->SetValue(wxString::FromUTF8(FormatTime(ParseTime(m_strStartTime))));
    m_bReformatting = false;
    if (m_editEndTime)
        m_editEndTime->SetValue(wxString::FromUTF8(FormatTime(ParseTime(m_strEndTime))));
}

void CStillmarkDlg::OnShowTip(wxCommandEvent&) {
    UpdateData(true);
}

// ---- control tips ----

void CStillmarkDlg::OnShowWindow(wxShowEvent& event) {
    event.Skip();
    if (!m_ToolTip.SetTitle(1, "Stillmark"))
        return;
    for (const auto& [id, text] : ControlTipTable()) {
        if (wxWindow* control = FindWindow(id))
            m_ToolTip.AddTool(control, std::string(text));
    }
}

// ---- the sound ----

bool CStillmarkDlg::ShowSoundPath(std::string text) {
    if (text.rfind("...", 0) != 0)
        m_strSound = text;
    if (!m_editSound)
        return false;
    return ShowFittedSoundPath(*m_editSound, text);
}

void CStillmarkDlg::PlayBuiltInSound(const std::string& name) {
    m_sound->PlayBuiltInSound(name);
}

void CStillmarkDlg::OpenMediaFile(const std::string& path) {
    m_sound->OpenMediaFile(path);
}

void CStillmarkDlg::PlaySoundFile(const std::string& path) {
    m_sound->PlaySoundFile(path);
}

void CStillmarkDlg::OnPlaySound(wxCommandEvent&) {
    m_sound->PlayForButton(m_strSound);
}

void CStillmarkDlg::OnStopSound(wxCommandEvent&) {
    m_sound->StopForButton(m_strSound);
}

void CStillmarkDlg::OnBrowseSound(wxCommandEvent&) {
    const auto choice = BrowseForSound(this, m_strSound, m_nSoundFilter);
    if (!choice)
        return;
    m_nSoundFilter = choice->soundFilter;
    m_strSound = choice->path;
    ShowSoundPath(choice->path);
}

// ---- the reminder ----

void CStillmarkDlg::OnTimer(wxTimerEvent& event) {
    if (event.GetId() != kReminderTimerId) {
        event.Skip();
        return;
    }
    OnTimerTick();
    KeepTimerOnTheSecond();
}

void CStillmarkDlg::KeepTimerOnTheSecond() {
    if (m_destroyed)
        return;
    if (m_timerRealigning) {
        m_timerRealigning = false;
        m_timer.Start(kReminderPeriodMs);
        return;
    }
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const int intoSecond =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000);
    if (const auto delay = RealignDelayMs(intoSecond)) {
        m_timerRealigning = true;
        m_timer.Start(*delay, wxTIMER_ONE_SHOT);
    }
}

void CStillmarkDlg::OnTimerTick() {
    // A message box opened during an alert runs its own loop, in which the timer goes on
    // ticking: those ticks must not alert again.
    if (m_inTick)
        return;
    if (!m_treeMoments)
        return;
    const std::vector<std::size_t> due = m_schedule.Due(m_clock->Now());
    if (due.empty())
        return;
    m_inTick = true;
    std::vector<wxTreeItemId> items;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = m_treeMoments->GetFirstChild(m_treeMoments->GetRootItem(), cookie); item.IsOk();
         item = m_treeMoments->GetNextSibling(item))
        items.push_back(item);
    for (std::size_t index : due)
        if (index < items.size())
            Alert(items[index]);
    m_inTick = false;
}

void CStillmarkDlg::Alert(const wxTreeItemId& item) {
    m_treeMoments->SelectItem(item);
    m_treeMoments->EnsureVisible(item);
    const std::string text(m_treeMoments->GetItemText(item).utf8_str());
    ModifyNotifyIcon(kAlertTitle, AlertBalloonText(text), kAlertTip, kAlertTimeoutSeconds);
    if (m_bUseSound) {
        UpdateData(true);
        m_sound->PlayForReminder(m_strSound);
    }
}

// ---- the notification-area icon and the background ----

void CStillmarkDlg::AddNotifyIcon(const std::string& title, const std::string& text, const std::string& tip,
                                  int timeoutSeconds) {
    if (m_notifyIcon) {
        m_notifyIcon->ShowIcon(tip);
        m_notifyIcon->Notify(title, text, timeoutSeconds);
    }
}

void CStillmarkDlg::ModifyNotifyIcon(const std::string& title, const std::string& text,
                                     const std::string& tip, int timeoutSeconds) {
    if (!m_notifyIcon)
        return;
    // Every change sets the tip too, but only of an icon that is shown.
    if (m_inBackground)
        m_notifyIcon->ShowIcon(tip);
    m_notifyIcon->Notify(title, text, timeoutSeconds);
}

void CStillmarkDlg::RemoveNotifyIcon() {
    if (m_notifyIcon)
        m_notifyIcon->HideIcon();
    m_inBackground = false;
}

void CStillmarkDlg::SaveWindowPosition() {
    const wxRect r = GetScreenRect();
    m_windowPosition = {r.GetLeft(), r.GetTop(), r.GetRight() + 1, r.GetBottom() + 1};
    m_settingsStore->Save(CurrentSettings());
}

void CStillmarkDlg::GoToBackground(bool withBalloon) {
    UpdateData(true);
    SaveWindowPosition();
    AddNotifyIcon("Stillmark", withBalloon ? kBackgroundBalloon : "", kBackgroundTip, withBalloon ? 2 : 1);
    m_inBackground = true;
    if (m_notifyIcon && m_notifyIcon->HasTray()) {
        CDialog::Show(false);
        return;
    }
    // No notification area to come back from: keep the window reachable as a minimised
    // window; the reminders still pop up as desktop notifications.
    m_bKeepHidden = false;
    if (!IsShown())
        CDialog::Show(true);
    Iconize(true);
}

void CStillmarkDlg::OnRunBackground(wxCommandEvent&) {
    GoToBackground(true);
}

void CStillmarkDlg::OnOK() {
    GoToBackground(true);
}

void CStillmarkDlg::ShowFromBackground() {
    m_bKeepHidden = false;
    CDialog::Show(true);
    if (IsIconized())
        Iconize(false);
    Raise();
    RemoveNotifyIcon();
}

void CStillmarkDlg::OnNotifyIcon(TrayClick click) {
    if (click == TrayClick::LeftPress)
        ShowFromBackground();
    else if (click == TrayClick::MenuRequest && m_notifyIcon)
        m_notifyIcon->ShowMenu();
}

void CStillmarkDlg::OnIconize(wxIconizeEvent& event) {
    event.Skip();
    // Restoring the minimised window is the way back where no notification area exists.
    if (!event.IsIconized() && m_inBackground && m_notifyIcon && !m_notifyIcon->HasTray())
        ShowFromBackground();
}

void CStillmarkDlg::OnShow(wxCommandEvent&) {
    ShowFromBackground();
}

void CStillmarkDlg::OnClose(wxCloseEvent&) {
    RemoveNotifyIcon();
    OnCancel();
}

void CStillmarkDlg::OnCancel() {
    RemoveNotifyIcon();
    EndDialog(IDCANCEL);
}

void CStillmarkDlg::OnExit(wxCommandEvent&) {
    RemoveNotifyIcon();
    OnCancel();
}

void CStillmarkDlg::OnAbout(wxCommandEvent&) {
    InfoServices info{*m_sound, m_opener, *m_messageBox, m_strProgramDir};
    m_services.showAbout(this, info);
}
