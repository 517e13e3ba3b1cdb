#include "ui/tray/DesktopTrayIcon.h"

#include "base/Diagnostics.h"
#include "base/TextCut.h"

#include <utility>
#include <wx/log.h>

namespace stillmark {

DesktopTrayIcon::DesktopTrayIcon(TrayDesktop desktop, std::unique_ptr<Notifier> notifier)
    : m_desktop(std::move(desktop)), m_notifier(std::move(notifier)) {}

DesktopTrayIcon::~DesktopTrayIcon() {
    HideIcon();
}

TrayKind DesktopTrayIcon::ChooseKind() const {
    const bool sni = m_desktop.hasStatusNotifierHost && m_desktop.hasStatusNotifierHost();
    // The X11 tray is only asked on an X11 display where no StatusNotifierItem host answers.
    const bool x11 = !sni && m_desktop.isX11Display && m_desktop.isX11Display();
    const bool xembed = x11 && m_desktop.hasXEmbedTray && m_desktop.hasXEmbedTray();
    return ChooseTrayKind(sni, x11, xembed);
}

void DesktopTrayIcon::UseKind(TrayKind kind) {
    if (kind == TrayKind::XEmbed)
        wxLogTrace(kTraceMask, "no StatusNotifierItem host: the icon goes to the X11 tray");
    else if (kind == TrayKind::None)
        wxLogTrace(kTraceMask, "no StatusNotifierItem host and no X11 tray: no icon for now");
    m_kind = kind;
    if (m_kind == m_backendKind)
        return;
    m_backend.reset();
    m_backendKind = TrayKind::None;
    if (m_kind != TrayKind::None && m_desktop.makeBackend) {
        m_backend = m_desktop.makeBackend(m_kind);
        m_backendKind = m_backend ? m_kind : TrayKind::None;
        if (m_backend && m_paused) // a new icon's menu offers the pause
            m_backend->SetPaused(true);
    }
}

void DesktopTrayIcon::ShowIcon(const std::string& tooltip) {
    m_tip = CutUtf8(tooltip, 127);
    if (!m_shown) {
        UseKind(ChooseKind());
        m_shown = true;
        // A panel may come up after the program (at log-in) or go away (restarted): keep looking.
        if (!m_watch && m_desktop.watchHosts)
            m_watch = m_desktop.watchHosts([this] { Recheck(); });
    }
    // With no notification area the icon still counts as shown: notifications need no tray.
    if (m_backend)
        m_backend->Show(m_tip);
}

void DesktopTrayIcon::HideIcon() {
    m_watch.reset();
    if (m_backend && m_shown)
        m_backend->Hide();
    m_shown = false;
}

void DesktopTrayIcon::Recheck() {
    if (!m_shown)
        return;
    const TrayKind kind = ChooseKind();
    if (kind == m_kind)
        return;
    if (m_backend)
        m_backend->Hide();
    UseKind(kind);
    if (m_backend)
        m_backend->Show(m_tip);
    if (m_onTrayChanged)
        m_onTrayChanged();
}

void DesktopTrayIcon::SetPaused(bool paused) {
    m_paused = paused;
    if (m_backend)
        m_backend->SetPaused(paused);
}

void DesktopTrayIcon::Notify(const std::string& title, const std::string& text, int seconds,
                             const std::string& action) {
    // Through the notification service, which needs no icon of any kind.
    if (text.empty() || !m_notifier)
        return;
    Notification notification = MakeNotification(title, text, seconds);
    notification.action = action;
    m_notifier->Show(notification);
}

void DesktopTrayIcon::OnNotificationAction(std::function<void()> handler) {
    if (m_notifier)
        m_notifier->OnAction(std::move(handler));
}

bool DesktopTrayIcon::HasTray() const {
    return m_backend != nullptr && m_kind != TrayKind::None;
}

void DesktopTrayIcon::ShowMenu() {
    if (m_backend && m_shown)
        m_backend->ShowMenu();
}

} // namespace stillmark
