#pragma once
// Notifications through the desktop's notification service (libnotify) with the program's name,
// icon and desktop entry; the program's own popup where no service answers.
#include "ui/tray/Notifier.h"

#include <memory>
#include <wx/icon.h>

class wxWindow;
class wxGenericNotificationMessage;
typedef struct _NotifyNotification NotifyNotification;

namespace stillmark {

// The desktop's icon theme has the installed icon "stillmark".
bool InstalledIconExists();

class DesktopNotifier final : public Notifier {
public:
    enum class Shown { Nothing, ByService, OwnPopup };

    // useInstalledIcon: name the installed icon; otherwise send the icon's image.
    DesktopNotifier(wxWindow& owner, const wxIcon& icon, bool useInstalledIcon);
    ~DesktopNotifier() override;
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    void Show(const Notification& notification) override;
    // How the last notification was shown.
    Shown LastShown() const { return m_lastShown; }

private:
    bool ShowByService(const Notification& notification);

    wxWindow& m_owner;
    wxIcon m_icon;
    bool m_useInstalledIcon;
    NotifyNotification* m_notification = nullptr; // the last one sent, for its reference
    std::unique_ptr<wxGenericNotificationMessage> m_popup;
    Shown m_lastShown = Shown::Nothing;
};

} // namespace stillmark
