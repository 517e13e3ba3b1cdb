#pragma once
// The icon of the desktop: each time it is shown it chooses how (StatusNotifierItem, XEmbed or
// none), sends notifications whether it is shown or not, and cuts the tip to its limit.
#include "ui/tray/Notifier.h"
#include "ui/tray/TrayBackend.h"
#include "ui/tray/TrayChoice.h"
#include "ui/tray/TrayHostWatch.h"
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
    // Watches for notification areas coming and going while the icon is shown (none when empty).
    std::function<std::unique_ptr<TrayHostWatch>(std::function<void()> onChange)> watchHosts;
};

class DesktopTrayIcon final : public TrayIcon {
public:
    DesktopTrayIcon(TrayDesktop desktop, std::unique_ptr<Notifier> notifier);
    ~DesktopTrayIcon() override;
    DesktopTrayIcon(const DesktopTrayIcon&) = delete;
    DesktopTrayIcon& operator=(const DesktopTrayIcon&) = delete;

    void ShowIcon(const std::string& tooltip) override;
    void HideIcon() override;
    void Notify(const std::string& title, const std::string& text, int seconds,
                const std::string& action = {}) override;
    void OnNotificationAction(std::function<void()> handler) override;
    bool HasTray() const override;
    void ShowMenu() override;
    void SetPaused(bool paused) override;
    void OnTrayChanged(std::function<void()> handler) override { m_onTrayChanged = std::move(handler); }

    // Chooses again while shown: the icon moves to the notification area there is now.
    void Recheck();

    // The kind chosen when the icon was last shown (None before).
    TrayKind Kind() const { return m_kind; }
    bool IsShown() const { return m_shown; }

private:
    TrayKind ChooseKind() const;
    void UseKind(TrayKind kind);

    TrayDesktop m_desktop;
    std::unique_ptr<Notifier> m_notifier;
    std::unique_ptr<TrayBackend> m_backend; // kept between showings of the same kind
    TrayKind m_backendKind = TrayKind::None;
    TrayKind m_kind = TrayKind::None;
    bool m_shown = false;
    bool m_paused = false;
    std::string m_tip;
    std::unique_ptr<TrayHostWatch> m_watch; // while shown
    std::function<void()> m_onTrayChanged;
};

} // namespace stillmark
