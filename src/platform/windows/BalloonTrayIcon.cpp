#include "platform/windows/BalloonTrayIcon.h"

#include "base/ProductIdentity.h"
#include "base/TextCut.h"
#include "ui/tray/Notification.h"

#include <wx/log.h>

namespace stillmark {
namespace {

// The longest a balloon stays: Windows keeps it between 10 and 30 s, and a toast about as long.
constexpr int kBalloonShownMs = 30'000;

} // namespace

std::unique_ptr<TrayIcon> MakeDesktopTrayIcon(wxWindow& owner, const wxIcon& icon,
                                              std::function<void(TrayClick)> onClick) {
    return std::make_unique<BalloonTrayIcon>(owner, icon, std::move(onClick));
}

BalloonTrayIcon::BalloonTrayIcon(wxWindow& owner, const wxIcon& icon, std::function<void(TrayClick)> onClick)
    : m_icon(owner, icon, std::move(onClick)) {
    m_balloonIconEnd.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        if (!m_shown)
            m_icon.Hide();
    });
}

BalloonTrayIcon::~BalloonTrayIcon() {
    m_balloonIconEnd.Stop();
}

void BalloonTrayIcon::ShowIcon(const std::string& tooltip) {
    m_hasTray = XEmbedTrayIcon::IsAvailable();
    m_icon.Show(CutUtf8(tooltip, 127));
    m_shown = true;
    m_balloonIconEnd.Stop();
}

void BalloonTrayIcon::HideIcon() {
    m_shown = false;
    // A balloon still on screen keeps its icon until it is gone.
    if (!m_balloonIconEnd.IsRunning())
        m_icon.Hide();
}

void BalloonTrayIcon::Notify(const std::string& title, const std::string& text, int seconds) {
    if (text.empty())
        return;
    const Notification balloon = MakeNotification(title, text, seconds);
    if (!m_shown) {
        m_icon.Show(kProductName);
        m_balloonIconEnd.StartOnce(kBalloonShownMs);
    }
    const int shownMs = balloon.seconds > 0 ? TimeoutMilliseconds(balloon) : kBalloonShownMs;
    if (!m_icon.ShowBalloon(balloon.title, balloon.text, shownMs))
        wxLogWarning("the notification area showed no balloon for \"%s\"", wxString::FromUTF8(balloon.text));
}

} // namespace stillmark
