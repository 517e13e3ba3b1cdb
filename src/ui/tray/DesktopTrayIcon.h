#pragma once
// The icon of the desktop: each time it is shown it chooses how (StatusNotifierItem, XEmbed or
// none), sends notifications only while it is shown, and cuts the tip to its limit.
#include "ui/tray/Notifier.h"
#include "ui/tray/TrayBackend.h"
#include "ui/tray/TrayChoice.h"
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <memory>
#include <string>

namespace stillmark {

// What the desktop offers, asked afresh each time the icon is shown.
struct TrayDesktop {
    std::function<bool()> hasStatusNotifierHost;
    // Elsewhere (Wayland) wx's tray icon cannot show, and GTK complains as soon as one is made.
    std::function<bool()> isX11Display;
    std::function<bool()> hasXEmbedTray;
    // Makes the icon of a kind (never called with TrayKind::None).
    std::function<std::unique_ptr<TrayBackend>(TrayKind)> makeBackend;
};

class DesktopTrayIcon final : public TrayIcon {
public:
    DesktopTrayIcon(TrayDesktop desktop, std::unique_ptr<Notifier> notifier);
    ~DesktopTrayIcon() override;
    DesktopTrayIcon(const DesktopTrayIcon&) = delete;
    DesktopTrayIcon& operator=(const DesktopTrayIcon&) = delete;

    void ShowIcon(const std::string& tooltip) override;
    void HideIcon() override;
    void Notify(const std::string& title, const std::string& text, int seconds) override;
    bool HasTray() const override;
    void ShowMenu() override;

    // The kind chosen when the icon was last shown (None before).
    TrayKind Kind() const { return m_kind; }
    bool IsShown() const { return m_shown; }

private:
    TrayDesktop m_desktop;
    std::unique_ptr<Notifier> m_notifier;
    std::unique_ptr<TrayBackend> m_backend; // kept between showings of the same kind
    TrayKind m_backendKind = TrayKind::None;
    TrayKind m_kind = TrayKind::None;
    bool m_shown = false;
};

} // namespace stillmark
