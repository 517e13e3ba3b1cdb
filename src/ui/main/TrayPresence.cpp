#include "ui/main/TrayPresence.h"

#include "base/ProductIdentity.h"
#include "schedule/ReminderText.h"
#include "ui/common/DesktopLanguage.h"

#include <wx/toplevel.h>
#include <wx/translation.h>

namespace stillmark {

namespace {
constexpr const char* kBackgroundTitle = kProductName;
constexpr const char* kSnoozeAction = wxTRANSLATE("In 5 minutes");
constexpr const char* kBackgroundBalloon =
    wxTRANSLATE("Stillmark now runs in the notification area\nClick on the icon to show the dialog again");
// The notification service keeps a notification up for as long as the desktop's user chose.
constexpr int kServiceTimeout = 0;
} // namespace

TrayPresence::TrayPresence(wxTopLevelWindow& window, const wxIcon& icon, const TrayFactory& makeTray)
    : m_window(window), m_tray(makeTray(window, icon, [this](TrayClick click) { OnClick(click); })) {
    m_window.Bind(wxEVT_ICONIZE, &TrayPresence::OnIconize, this);
    m_tray->OnTrayChanged([this] { OnTrayChanged(); });
}

TrayPresence::~TrayPresence() {
    m_window.Unbind(wxEVT_ICONIZE, &TrayPresence::OnIconize, this);
}

void TrayPresence::GoToBackground(bool withBalloon) {
    m_tray->ShowIcon(m_tip);
    if (withBalloon)
        m_tray->Notify(kBackgroundTitle, InDesktopLanguage(kBackgroundBalloon), kServiceTimeout);
    m_inBackground = true;
    if (m_tray->HasTray()) {
        m_window.Hide();
        m_minimised = false;
        return;
    }
    // No notification area to come back from: the window stays reachable, minimised.
    Minimise();
}

void TrayPresence::Minimise() {
    if (!m_window.IsShown())
        m_window.Show();
    m_window.Iconize(true);
    m_minimised = true;
}

void TrayPresence::ComeBack() {
    m_minimised = false;
    m_window.Show();
    if (m_window.IsIconized())
        m_window.Iconize(false);
    m_window.Raise();
    m_tray->HideIcon();
    m_inBackground = false;
}

void TrayPresence::Leave() {
    m_tray->HideIcon();
    m_minimised = false;
    m_inBackground = false;
}

void TrayPresence::Alert(const std::string& momentText) {
    m_tray->Notify(kAlertTitle, AlertBalloonText(momentText, InDesktopLanguage), kServiceTimeout,
                   InDesktopLanguage(kSnoozeAction));
}

void TrayPresence::SetTip(const std::string& tip) {
    if (tip == m_tip)
        return;
    m_tip = tip;
    // While the icon is shown, showing it again only changes its tip.
    if (m_inBackground)
        m_tray->ShowIcon(m_tip);
}

void TrayPresence::SetPaused(bool paused) {
    m_tray->SetPaused(paused);
}

void TrayPresence::OnTrayChanged() {
    if (!m_inBackground)
        return;
    // Into the notification area that came (from the minimised window only: a window shown on purpose
    // stays), or out of the one that went: the window stays reachable.
    if (!m_tray->HasTray())
        Minimise();
    else if (m_minimised) {
        m_window.Hide();
        m_minimised = false;
    }
}

void TrayPresence::OnClick(TrayClick click) {
    if (click == TrayClick::LeftPress)
        ComeBack();
    else
        m_tray->ShowMenu();
}

void TrayPresence::OnIconize(wxIconizeEvent& event) {
    event.Skip();
    // Restoring the minimised window is the way back where no notification area exists.
    if (!event.IsIconized() && m_inBackground && !m_tray->HasTray())
        ComeBack();
}

} // namespace stillmark
