#pragma once
// Until the tray layer brings its own: the notification-area icon as the main window uses it.
#include <functional>
#include <memory>
#include <string>
#include <wx/defs.h>

class wxIcon;
class wxWindow;

namespace stillmark {

enum class TrayClick { LeftPress, MenuRequest };
// The icon's menu: wxID_ABOUT, kIdShow and wxID_EXIT reach the owner as menu commands.
inline constexpr int kIdShow = wxID_HIGHEST + 1;

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual void ShowIcon(const std::string& tooltip) = 0;
    virtual void HideIcon() = 0;
    // Shown only while the icon is shown.
    virtual void Notify(const std::string& title, const std::string& text, int seconds) = 0;
    virtual bool HasTray() const = 0;
    virtual void ShowMenu() = 0;
};

std::unique_ptr<TrayIcon> MakeDesktopTrayIcon(wxWindow& owner, const wxIcon& icon,
                                              std::function<void(TrayClick)> onClick);

} // namespace stillmark
