#pragma once
// The main window's way to and from the background: the notification-area icon while the window is
// hidden, its balloons, and a minimised window instead where the desktop has no notification area.
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <memory>
#include <string>

class wxIcon;
class wxIconizeEvent;
class wxTopLevelWindow;

namespace stillmark {

using TrayFactory = std::function<std::unique_ptr<TrayIcon>(wxWindow& owner, const wxIcon& icon,
                                                            std::function<void(TrayClick)> onClick)>;

class TrayPresence {
public:
    TrayPresence(wxTopLevelWindow& window, const wxIcon& icon, const TrayFactory& makeTray);
    ~TrayPresence();
    TrayPresence(const TrayPresence&) = delete;
    TrayPresence& operator=(const TrayPresence&) = delete;

    // Shows the icon (with a short balloon when asked) and hides the window; with no notification
    // area the window is minimised instead and the icon's balloons still come as notifications.
    void GoToBackground(bool withBalloon);
    // The window back on screen, the icon gone.
    void ComeBack();
    // The end of the program: the icon goes.
    void Leave();
    // The break notification, whether the window or the icon is shown, offering "In 5 minutes".
    void Alert(const std::string& momentText);
    // Called when the user chooses "In 5 minutes" on a break balloon.
    void OnSnooze(std::function<void()> handler) { m_tray->OnNotificationAction(std::move(handler)); }
    // The icon's tip, now and whenever it is shown.
    void SetTip(const std::string& tip);
    // The icon's menu offers to resume the reminders instead of pausing them.
    void SetPaused(bool paused);
    bool InBackground() const { return m_inBackground; }

private:
    void OnClick(TrayClick click);
    void OnTrayChanged();
    void Minimise();
    void OnIconize(wxIconizeEvent& event);

    wxTopLevelWindow& m_window;
    std::unique_ptr<TrayIcon> m_tray;
    bool m_inBackground = false;
    bool m_minimised = false; // in the background as a minimised window, for want of a notification area
    std::string m_tip;
};

} // namespace stillmark
