#pragma once
// The icon in the shell's notification area (wx's tray icon) with its menu, and notifications as the
// shell's balloons over it. A balloon needs the icon: while the icon is hidden, it is shown for as
// long as the balloon lasts.
#include "ui/tray/TrayIcon.h"
#include "ui/tray/XEmbedTrayIcon.h"

#include <wx/timer.h>

namespace stillmark {

class BalloonTrayIcon final : public TrayIcon {
public:
    BalloonTrayIcon(wxWindow& owner, const wxIcon& icon, std::function<void(TrayClick)> onClick);
    ~BalloonTrayIcon() override;
    BalloonTrayIcon(const BalloonTrayIcon&) = delete;
    BalloonTrayIcon& operator=(const BalloonTrayIcon&) = delete;

    void ShowIcon(const std::string& tooltip) override;
    void HideIcon() override;
    // A balloon offers no action: "In 5 minutes" is not shown here.
    void Notify(const std::string& title, const std::string& text, int seconds,
                const std::string& action) override;
    void OnNotificationAction(std::function<void()>) override {}
    bool HasTray() const override { return m_hasTray; }
    void ShowMenu() override { m_icon.ShowMenu(); }
    void SetPaused(bool paused) override { m_icon.SetPaused(paused); }
    // The shell itself puts the icon back after Explorer restarts (wx answers "TaskbarCreated"), so
    // the icon never moves and the handler is never called.
    void OnTrayChanged(std::function<void()>) override {}

private:
    // wx gives the icon a hidden window of its own; a close message to every window of the program (as
    // taskkill sends) would destroy it under the icon. Those made since `before` refuse to close.
    static void KeepIconWindowsOpen(std::size_t before);

    std::size_t m_windowsBefore; // before the icon was made
    XEmbedTrayIcon m_icon;
    bool m_shown = false;
    bool m_hasTray = false;
    wxTimer m_balloonIconEnd; // hides the icon shown only for a balloon
};

} // namespace stillmark
