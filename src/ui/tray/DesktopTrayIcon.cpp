#include "ui/tray/DesktopTrayIcon.h"

#include "schedule/TextCut.h"

#include <utility>

namespace stillmark {

DesktopTrayIcon::DesktopTrayIcon(TrayDesktop desktop, std::unique_ptr<Notifier> notifier)
    : m_desktop(std::move(desktop)), m_notifier(std::move(notifier)) {}

DesktopTrayIcon::~DesktopTrayIcon() {
    HideIcon();
}

void DesktopTrayIcon::ShowIcon(const std::string& tooltip) {
    const std::string tip = CutUtf8(tooltip, 127);
    if (!m_shown) {
        const bool sni = m_desktop.hasStatusNotifierHost && m_desktop.hasStatusNotifierHost();
        // The X11 tray is only asked on an X11 display where no StatusNotifierItem host answers.
        const bool x11 = !sni && m_desktop.isX11Display && m_desktop.isX11Display();
        const bool xembed = x11 && m_desktop.hasXEmbedTray && m_desktop.hasXEmbedTray();
        m_kind = ChooseTrayKind(sni, x11, xembed);
        if (m_kind != m_backendKind) {
            m_backend.reset();
            m_backendKind = TrayKind::None;
            if (m_kind != TrayKind::None && m_desktop.makeBackend) {
                m_backend = m_desktop.makeBackend(m_kind);
                m_backendKind = m_backend ? m_kind : TrayKind::None;
            }
        }
        m_shown = true;
    }
    // With no notification area the icon still counts as shown: notifications need no tray.
    if (m_backend)
        m_backend->Show(tip);
}

void DesktopTrayIcon::HideIcon() {
    if (m_backend && m_shown)
        m_backend->Hide();
    m_shown = false;
}

void DesktopTrayIcon::Notify(const std::string& title, const std::string& text, int seconds) {
    if (!m_shown || text.empty() || !m_notifier)
        return;
    m_notifier->Show(MakeNotification(title, text, seconds));
}

bool DesktopTrayIcon::HasTray() const {
    return m_backend != nullptr && m_kind != TrayKind::None;
}

void DesktopTrayIcon::ShowMenu() {
    if (m_backend && m_shown)
        m_backend->ShowMenu();
}

} // namespace stillmark
