#include "platform/windows/BalloonTrayIcon.h"

#include "base/Diagnostics.h"
#include "base/ProductIdentity.h"
#include "base/TextCut.h"
#include "ui/tray/Notification.h"

#include <wx/log.h>
#include <wx/toplevel.h>

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
    : m_windowsBefore(wxTopLevelWindows.size()), m_icon(owner, icon, std::move(onClick)) {
    KeepIconWindowsOpen(m_windowsBefore);
    m_balloonIconEnd.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        if (!m_shown)
            m_icon.Hide();
    });
}

BalloonTrayIcon::~BalloonTrayIcon() {
    m_balloonIconEnd.Stop();
}

void BalloonTrayIcon::KeepIconWindowsOpen(std::size_t before) {
    std::size_t index = 0;
    for (wxWindow* window : wxTopLevelWindows) {
        if (index++ < before || window->IsShown())
            continue;
        window->Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
            if (event.CanVeto())
                event.Veto();
            else
                event.Skip();
        });
    }
}

void BalloonTrayIcon::ShowIcon(const std::string& tooltip) {
    m_hasTray = XEmbedTrayIcon::IsAvailable();
    const std::size_t before = wxTopLevelWindows.size();
    m_icon.Show(CutUtf8(tooltip, 127));
    KeepIconWindowsOpen(before);
    m_shown = true;
    m_balloonIconEnd.Stop();
}

void BalloonTrayIcon::HideIcon() {
    m_shown = false;
    // A balloon still on screen keeps its icon until it is gone.
    if (!m_balloonIconEnd.IsRunning())
        m_icon.Hide();
}

void BalloonTrayIcon::Notify(const std::string& title, const std::string& text, int seconds,
                             const std::string&) {
    if (text.empty())
        return;
    const Notification balloon = MakeNotification(title, text, seconds);
    if (!m_shown) {
        const std::size_t before = wxTopLevelWindows.size();
        m_icon.Show(kProductName);
        KeepIconWindowsOpen(before);
        m_balloonIconEnd.StartOnce(kBalloonShownMs);
    }
    const int shownMs = balloon.seconds > 0 ? TimeoutMilliseconds(balloon) : kBalloonShownMs;
    // One line a balloon for a debugger's output (WXTRACE=stillmark).
    wxString line = wxString::FromUTF8(balloon.text);
    line.Replace("\n", " / ");
    wxLogTrace(kTraceMask, "balloon \"%s\": %s", wxString::FromUTF8(balloon.title), line);
    if (!m_icon.ShowBalloon(balloon.title, balloon.text, shownMs))
        wxLogWarning("the notification area showed no balloon for \"%s\"", wxString::FromUTF8(balloon.text));
}

} // namespace stillmark
