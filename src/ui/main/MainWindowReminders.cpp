// The main window's reminders: the moment's notification and sound, the icon's tip naming the next
// one, the hint when none will come, and the way to the background.
#include "ui/main/MainWindow.h"

#include "schedule/AlertDays.h"
#include "schedule/NextMomentTip.h"
#include "schedule/TimeText.h"
#include "sound/SoundPlayback.h"
#include "ui/common/DesktopLanguage.h"

#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace stillmark {

void MainWindow::Alert(std::optional<std::size_t> index, ReminderDelivery delivery) {
    if (index && *index < m_moments->GetCount()) {
        m_moments->SetSelection(static_cast<int>(*index));
        m_moments->EnsureVisible(static_cast<int>(*index));
    }
    if (delivery == ReminderDelivery::Passed)
        return;
    const ClockReading now = m_services.clock.Now();
    // A snoozed reminder tells the time it comes at.
    m_presence->Alert(index ? m_schedule.Moments()[*index].text
                            : FormatTime(now.hour + now.minute / 60.0, m_settings.useAmPm));
    if (m_settings.useSound && delivery == ReminderDelivery::Heard)
        m_services.sound.PlayForReminder(m_settings.reminderSound); // a second later, without blocking
}

void MainWindow::ShowNextMoment() {
    if (m_presence)
        m_presence->SetTip(IconTip(m_schedule.Moments(), m_services.clock.Seconds(), m_settings.alertDays,
                                   m_settings.pausedOn, m_reminder.SnoozedUntil(), m_settings.useAmPm,
                                   InDesktopLanguage));
}

void MainWindow::GoToBackground(bool withBalloon) {
    TransferDataFromWindow();
    // Wayland neither places a program's window nor tells it where the window is: the stored
    // position stays as it was.
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

} // namespace stillmark
