#include "ui/main/MainWindow.h"

#include "schedule/AlertDays.h"
#include "schedule/MomentSchedule.h"
#include "schedule/TimeText.h"
#include "settings/SettingsStore.h"
#include "sound/SoundPlayback.h"
#include "ui/common/DesktopLanguage.h"
#include "ui/common/ModalDialogs.h"
#include "ui/main/ControlNames.h"
#include "ui/main/CountField.h"
#include "ui/main/CountValidator.h"
#include "ui/main/DayToggles.h"
#include "ui/main/StepArrows.h"
#include "ui/main/SwitchValidator.h"
#include "ui/main/TextValidator.h"
#include "ui/main/WindowPlacement.h"

#include <algorithm>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/valgen.h>
#include <wx/xrc/xmlres.h>

namespace stillmark {

namespace {

// The settings in the order the window reads its controls (a refused count keeps the ones after it).
constexpr const char* kExchangeOrder[] = {"use_sound", "count",      "use_ampm", "start_minimized",
                                          "increment", "start_time", "end_time", "show_tip"};

std::vector<ScreenRect> ConnectedScreens() {
    std::vector<ScreenRect> screens;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        const wxRect r = wxDisplay(i).GetGeometry();
        screens.push_back({r.x, r.y, r.width, r.height});
    }
    return screens;
}

// Gives the tip to every control of that name (the day toggles share one).
void AddTip(wxWindow& parent, const wxString& name, const std::string& text, ControlTips& tips) {
    for (wxWindow* child : parent.GetChildren()) {
        if (child->GetName() == name)
            tips.Add(*child, text);
        AddTip(*child, name, text, tips);
    }
}

Settings LoadSettings(SettingsStore& store, std::string& problem) {
    LoadResult loaded = store.Load();
    problem = std::move(loaded.problem);
    return std::move(loaded.settings);
}

} // namespace

MainWindow::MainWindow(MainWindowServices services)
    : m_services(std::move(services)), m_settings(LoadSettings(m_services.settings, m_loadProblem)),
      m_schedule([this](const LocalDate& date) {
          return DateAlerts(m_settings.alertDays, m_settings.pausedOn, date.year, date.month, date.day);
      }),
      m_autosave(m_services.settings, m_services.messages, m_settings, m_settings),
      m_reminder(m_services.clock, m_schedule, m_services.wakeTimer,
                 [this](std::size_t index) { Alert(index); }),
      m_ending(
          *this, m_services.modalDialogs, m_autosave, [this] { m_sound->TakeOverTyped(); },
          [this] { TakeOverTypedSoundPath(); }) {
    BuildFromResources();
    ShowSettings();
    AddTips();
    PrepareBackground();
    BindEvents();
    StartReminding();
}

MainWindow::~MainWindow() {
    m_reminder.Stop();
    // The controls outlive this part of the window: nothing may reach back into it from them.
    m_sound.reset();
    m_countField.reset();
}

void MainWindow::BuildFromResources() {
    wxXmlResource::Get()->LoadDialog(this, nullptr, "main_window");
    AttachToControls();
    const wxBitmap bitmap = wxXmlResource::Get()->LoadBitmap("window_icon");
    if (bitmap.IsOk()) {
        m_icon.CopyFromBitmap(bitmap);
        SetIcon(m_icon);
    }
    SetEscapeId(XRCID("close"));
    SizeToContent();
    NameControls(*this);
}

void MainWindow::AttachToControls() {
    m_startTime = XRCCTRL(*this, "start_time", wxTextCtrl);
    m_endTime = XRCCTRL(*this, "end_time", wxTextCtrl);
    m_count = XRCCTRL(*this, "count", wxTextCtrl);
    m_moments = XRCCTRL(*this, "moments", wxListBox);
    m_quietHint = XRCCTRL(*this, "quiet_hint", wxStaticText);
    m_countField = std::make_unique<CountField>(*m_count, *XRCCTRL(*this, "count_spin", StepArrows),
                                                m_settings.momentCount);
    m_sound = std::make_unique<SoundControls>(*this, m_settings, m_services.sound,
                                              [this] { m_autosave.Changed(); });
    m_days = std::make_unique<DayToggles>(*XRCCTRL(*this, "days", wxStaticBox), m_settings.alertDays, [this] {
        m_autosave.Changed();
        m_reminder.Reschedule();
        ShowQuietHint();
    });
    m_autostart = std::make_unique<AutostartBox>(*XRCCTRL(*this, "start_with_desktop", wxCheckBox),
                                                 m_services.autostart, m_services.messages);
    for (const char* name : kExchangeOrder)
        m_exchangeOrder.push_back(FindWindow(XRCID(name)));
}

void MainWindow::ShowSettings() {
    SetValidators();
    TransferDataToWindow();
    m_sound->ShowStored();
    RebuildList();
}

void MainWindow::AddTips() {
    wxBitmap bitmap;
    if (m_icon.IsOk())
        bitmap.CopyFromIcon(m_icon);
    m_tips = std::make_unique<ControlTips>(bitmap);
    for (const auto& [name, text] : ControlTipTable())
        AddTip(*this, wxString(name.data(), name.size()), InDesktopLanguage(std::string(text).c_str()),
               *m_tips);
    m_tips->Enable(m_settings.showTips);
}

void MainWindow::PrepareBackground() {
    m_presence = std::make_unique<TrayPresence>(*this, m_icon, m_services.makeTray);
    m_pause = std::make_unique<DayPause>(
        m_services.clock, m_settings,
        [this](bool paused) {
            m_presence->SetPaused(paused);
            ShowQuietHint();
        },
        [this] {
            m_autosave.SaveNow();
            m_reminder.Reschedule();
        });
    m_pause->Refresh();
}

void MainWindow::StartReminding() {
    m_reminder.Start();
    m_autosave.ReportOnce(m_loadProblem);
    // The first stop in reading order, whatever GTK would pick: the start time, its text selected.
    m_startTime->SetFocus();
    m_startTime->SelectAll();
}

void MainWindow::SizeToContent() {
    // Fields as wide as their longest text, the list as high as the five moments of the defaults;
    // heights are GTK's own, the sizers do the rest, at any font, theme and scale.
    const auto widthFor = [](wxControl* control, const wxString& text) {
        control->SetMinSize(wxSize(control->GetSizeFromText(text).x, -1));
    };
    widthFor(m_startTime, "00:00 pm");
    widthFor(m_endTime, "00:00 pm");
    widthFor(m_count, "400");
    widthFor(XRCCTRL(*this, "increment", wxComboBox), "30 min");
    widthFor(XRCCTRL(*this, "sound_path", wxTextCtrl), wxString('x', 24));
    // Room for the hint's two lines, so that the window keeps its size when it comes and goes.
    m_quietHint->SetMinSize(wxSize(-1, 2 * m_quietHint->GetCharHeight()));
    const int row = m_moments->GetCharHeight() + FromDIP(10);
    m_moments->SetMinSize(wxSize(m_moments->GetTextExtent("00:00 pm").x + 2 * row, 5 * row + FromDIP(4)));
    GetSizer()->SetSizeHints(this);
}

void MainWindow::SetValidators() {
    XRCCTRL(*this, "use_sound", wxCheckBox)->SetValidator(wxGenericValidator(&m_settings.useSound));
    m_count->SetValidator(CountValidator(m_settings.momentCount, m_services.messages));
    XRCCTRL(*this, "use_ampm", wxCheckBox)->SetValidator(wxGenericValidator(&m_settings.useAmPm));
    XRCCTRL(*this, "start_minimized", wxCheckBox)
        ->SetValidator(SwitchValidator(m_settings.startInBackground));
    XRCCTRL(*this, "increment", wxComboBox)->SetValidator(TextValidator(m_settings.increment));
    m_startTime->SetValidator(TextValidator(m_settings.startTime));
    m_endTime->SetValidator(TextValidator(m_settings.endTime));
    XRCCTRL(*this, "show_tip", wxCheckBox)->SetValidator(wxGenericValidator(&m_settings.showTips));
}

void MainWindow::BindEvents() {
    for (wxTextCtrl* field : {m_startTime, m_endTime, m_count})
        field->Bind(wxEVT_TEXT, &MainWindow::OnEdited, this);
    XRCCTRL(*this, "increment", wxComboBox)->Bind(wxEVT_TEXT, &MainWindow::OnEdited, this);
    for (const char* name : {"use_sound", "start_minimized", "show_tip"})
        Bind(wxEVT_CHECKBOX, &MainWindow::OnEdited, this, XRCID(name));
    Bind(wxEVT_CHECKBOX, &MainWindow::OnUseAmPm, this, XRCID("use_ampm"));
    Bind(
        EVT_STEP_ARROWS,
        [this](wxCommandEvent& e) { StepTime(e.GetInt(), m_settings.startTime, m_startTime); },
        XRCID("start_spin"));
    Bind(
        EVT_STEP_ARROWS, [this](wxCommandEvent& e) { StepTime(e.GetInt(), m_settings.endTime, m_endTime); },
        XRCID("end_spin"));
    Bind(wxEVT_CLOSE_WINDOW, &MainWindow::OnClose, this);

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { GoToBackground(true); }, XRCID("run_background"));
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); }, XRCID("close"));
    const auto about = [this](wxCommandEvent&) { m_services.showAbout(this); };
    Bind(wxEVT_BUTTON, about, XRCID("about"));
    Bind(wxEVT_MENU, about, wxID_ABOUT);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { m_presence->ComeBack(); }, kIdShow);
    // The menu's Exit may come while a dialog of the program is open: it ends like a signal.
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { m_pause->Toggle(); }, kIdPause);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { EndOnRequest(); }, wxID_EXIT);
}

void MainWindow::Start() {
    PlaceWindow();
    const int startInBackground = m_settings.startInBackground; // the check box reads it back as 1
    if (startInBackground == 0) {
        Show();
        return;
    }
    GoToBackground(false);
    // Stored as 2: in the background, and the window shows as well.
    if (startInBackground != 1 && !IsShown())
        Show();
}

void MainWindow::PlaceWindow() {
    const WindowRect& r = m_settings.windowBounds;
    const StoredWindowPosition stored{r.left, r.top, r.right, r.bottom};
    const wxSize size = GetSize();
    if (const auto corner = ChooseWindowCorner(stored, size.x, size.y, ConnectedScreens()))
        Move(corner->x, corner->y);
    else
        Centre();
}

bool MainWindow::TransferDataFromWindow() {
    const bool was = m_transferring;
    m_transferring = true;
    bool accepted = true;
    for (wxWindow* control : m_exchangeOrder) {
        wxValidator* validator = control->GetValidator();
        if (!validator->Validate(this) || !validator->TransferFromWindow()) {
            accepted = false;
            break;
        }
    }
    m_transferring = was;
    return accepted;
}

bool MainWindow::TransferDataToWindow() {
    const bool was = m_transferring;
    m_transferring = true;
    const bool done = wxDialog::TransferDataToWindow();
    m_transferring = was;
    return done;
}

// ---- editing ----

void MainWindow::OnEdited(wxCommandEvent& event) {
    event.Skip();
    Edited();
}

void MainWindow::Edited() {
    if (m_transferring || m_ending.IsEnding())
        return;
    // A refused count keeps its last value; the list follows from the values read.
    TransferDataFromWindow();
    if (m_tips)
        m_tips->Enable(m_settings.showTips);
    if (!m_reformatting)
        RebuildList();
    m_autosave.Changed();
}

void MainWindow::RebuildList() {
    const Settings& s = m_settings;
    const std::string inputs = s.startTime + '\n' + s.endTime + '\n' + std::to_string(s.momentCount) + '\n' +
                               std::to_string(s.useAmPm);
    if (inputs == m_builtFrom)
        return;
    m_builtFrom = inputs;
    m_schedule.Rebuild(s.startTime, s.endTime, s.momentCount, s.useAmPm);
    m_reminder.Reschedule();
    wxArrayString texts;
    for (const Moment& moment : m_schedule.Moments())
        texts.push_back(wxString::FromUTF8(moment.text));
    m_moments->Set(texts);
    // The window's times decide where an overnight window's day ends.
    if (m_pause)
        m_pause->Refresh();
}

void MainWindow::ShowQuietHint() {
    const bool paused = m_pause && m_pause->PausedToday();
    m_quietHint->SetLabel(wxString::FromUTF8(QuietHint(m_settings.alertDays, paused, InDesktopLanguage)));
    // As wide as the list; a translation longer than the two lines kept for it makes the window grow.
    m_quietHint->Wrap(m_moments->GetSize().x);
    const wxSize needed = GetSizer()->GetMinSize();
    if (needed.x > GetClientSize().x || needed.y > GetClientSize().y)
        GetSizer()->SetSizeHints(this);
    Layout();
}

void MainWindow::StepTime(int step, std::string& time, wxTextCtrl* field) {
    TransferDataFromWindow();
    time = StepTimeText(time, m_settings.increment, step, m_settings.useAmPm);
    field->SetValue(wxString::FromUTF8(time)); // its change rebuilds the list
}

void MainWindow::OnUseAmPm(wxCommandEvent&) {
    TransferDataFromWindow();
    const bool amPm = m_settings.useAmPm;
    // Both times in the new form; the list is rebuilt once, when the second one changes.
    const std::string start = FormatTime(ParseTime(m_settings.startTime), amPm);
    const std::string end = FormatTime(ParseTime(m_settings.endTime), amPm);
    m_reformatting = true;
    m_startTime->SetValue(wxString::FromUTF8(start));
    m_reformatting = false;
    m_endTime->SetValue(wxString::FromUTF8(end));
}

// ---- the reminder and the background ----

void MainWindow::Alert(std::size_t index) {
    if (index < m_moments->GetCount()) {
        m_moments->SetSelection(static_cast<int>(index));
        m_moments->EnsureVisible(static_cast<int>(index));
    }
    m_presence->Alert(m_schedule.Moments()[index].text);
    if (m_settings.useSound)
        m_services.sound.PlayForReminder(m_settings.reminderSound); // a second later, without blocking
}

void MainWindow::GoToBackground(bool withBalloon) {
    TransferDataFromWindow();
    // Wayland neither places a window nor tells where it is: the stored position stays as it was.
#if defined(__WXGTK__) && defined(__UNIX__)
    if (wxGetDisplayInfo().type != wxDisplayWayland)
#endif
    {
        const wxRect r = GetScreenRect();
        m_settings.windowBounds = {r.GetLeft(), r.GetTop(), r.GetRight() + 1, r.GetBottom() + 1};
    }
    m_autosave.SaveNow();
    m_presence->GoToBackground(withBalloon);
}

// ---- the end ----

void MainWindow::SaveSettingsNow() {
    m_autosave.SaveNow();
}

void MainWindow::ComeBack() {
    if (!m_ending.IsEnding())
        m_presence->ComeBack();
}

void MainWindow::EndOnRequest() {
    m_ending.Request();
}

void MainWindow::TakeOverTypedSoundPath() {
    // Escape and the close box leave a typed sound path in the field: take it over as leaving
    // the field would.
    m_sound->TakeOverTyped();
    TransferDataFromWindow();
}

void MainWindow::OnClose(wxCloseEvent&) {
    if (!m_ending.MayClose())
        return;
    m_reminder.Stop();
    m_presence->Leave();
    Destroy();
    // The window goes when the program next goes idle; nothing else may wake it.
    wxWakeUpIdle();
}

} // namespace stillmark
