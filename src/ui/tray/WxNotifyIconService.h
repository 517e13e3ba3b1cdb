#pragma once
// The icon service of a wxWidgets desktop: an XEmbed tray icon for the icon and its
// mouse presses, desktop notifications for the balloons, a pop-up menu whose choice
// reaches the owner window as a menu command.
#include "ui/tray/NotifyIcon.h"

#include <functional>
#include <memory>
#include <wx/icon.h>

class wxWindow;
class wxNotificationMessageBase;

namespace stillmark {

class WxNotifyIconService final : public INotifyIconService {
public:
    // Receives kMouseLeftDown for a left press on the icon and kMouseRightUp for a right
    // press (the desktop reports no releases; the press stands for the release).
    using MouseHandler = std::function<void(int mouseMessage)>;

    enum class BalloonKind { None, Desktop, OwnPopup };

    // owner receives the menu's commands; it must outlive the service or destroy it first.
    WxNotifyIconService(wxWindow* owner, const wxIcon& icon, MouseHandler onMouse);
    ~WxNotifyIconService() override;
    WxNotifyIconService(const WxNotifyIconService&) = delete;
    WxNotifyIconService& operator=(const WxNotifyIconService&) = delete;

    void Call(NotifyIconMessage message, const NotifyIconData& data) override;
    bool IsAvailable() const override;
    void ShowMenu() override;

    // True between Add and Delete, even when the desktop has no area to show the icon in.
    bool IsIconAdded() const { return m_iconAdded; }
    // How the last balloon was shown: by the desktop's notification service or, when
    // there is none, by the program's own popup.
    BalloonKind LastBalloonKind() const { return m_lastBalloonKind; }

private:
    class TrayIcon;

    void ShowBalloon(const NotifyIconData& data, int seconds);

    wxWindow* m_owner;
    wxIcon m_icon;
    TrayIcon* m_trayIcon; // destroyed through Destroy(), see the destructor
    std::unique_ptr<wxNotificationMessageBase> m_balloon;
    BalloonKind m_lastBalloonKind = BalloonKind::None;
    bool m_iconAdded = false;
};

} // namespace stillmark
