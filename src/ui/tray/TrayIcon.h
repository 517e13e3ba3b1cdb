#pragma once
// The program's icon on the desktop: its tip, its notifications, its menu and its clicks.
#include <functional>
#include <memory>
#include <string>
#include <wx/defs.h>

class wxIcon;
class wxWindow;

namespace stillmark {

enum class TrayClick { LeftPress, MenuRequest };

// The menu, top to bottom: wxID_ABOUT "About Stillmark...", a separator, kIdShow "Show", kIdPause "Pause
// for today" (while paused "Resume reminders"), wxID_EXIT "Exit".
inline constexpr int kIdShow = wxID_HIGHEST + 1;
inline constexpr int kIdPause = wxID_HIGHEST + 2;

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Shows the icon with this tip (cut to 127 bytes); while shown, only changes the tip.
    virtual void ShowIcon(const std::string& tooltip) = 0;
    virtual void HideIcon() = 0;
    // A notification (title 63, text 255 bytes; seconds <= 0: the service's own time-out), only with
    // a text. It needs no icon: it comes whether the icon is shown or not, the window too. With an
    // action label, the notification offers that action where the desktop can.
    virtual void Notify(const std::string& title, const std::string& text, int seconds,
                        const std::string& action = {}) = 0;
    // Called from the main loop when the user chooses a notification's action.
    virtual void OnNotificationAction(std::function<void()> handler) = 0;
    // A notification area shows the icon (decided when the icon was last shown).
    virtual bool HasTray() const = 0;
    // Pops up the menu at the pointer (where the desktop leaves that to the program).
    virtual void ShowMenu() = 0;
    // The menu's pause entry offers to resume.
    virtual void SetPaused(bool paused) = 0;
    // Called from the main loop when, while the icon is shown, a notification area came or went and the
    // icon moved (HasTray() tells where it is now).
    virtual void OnTrayChanged(std::function<void()> handler) = 0;
};

// The desktop's icon: decides StatusNotifierItem / XEmbed / none each time the icon is shown, and again
// whenever a notification area comes or goes while it is shown. Menu choices
// reach `owner` as wxEVT_MENU with the ids above; clicks reach onClick. `owner` outlives the icon.
std::unique_ptr<TrayIcon> MakeDesktopTrayIcon(wxWindow& owner, const wxIcon& icon,
                                              std::function<void(TrayClick)> onClick);

} // namespace stillmark
