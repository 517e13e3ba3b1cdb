#pragma once
// Notifications through the desktop's notification service with the program's name, icon and desktop
// entry, sent without waiting: the main loop runs on while the service answers. The program's own
// popup shows instead when no service answers within a few seconds; a service that answers later
// has its notification closed again, so that one reminder shows, never two.
#include "platform/linux/NotificationActions.h"
#include "ui/tray/Notifier.h"

#include <chrono>
#include <list>
#include <memory>
#include <wx/icon.h>

class wxWindow;
class wxGenericNotificationMessage;
typedef struct _GCancellable GCancellable;
typedef struct _GObject GObject;
typedef struct _GAsyncResult GAsyncResult;
typedef struct _GVariant GVariant;

namespace stillmark {

// The desktop's icon theme has the installed icon "stillmark".
bool InstalledIconExists();

class DesktopNotifier final : public Notifier {
public:
    enum class Shown { Nothing, ByService, OwnPopup };
    // How long the service has to answer before the program's own popup shows instead.
    static constexpr std::chrono::milliseconds kServiceAnswerTime{3000};

    // useInstalledIcon: name the installed icon; otherwise send the icon's image.
    DesktopNotifier(wxWindow& owner, const wxIcon& icon, bool useInstalledIcon);
    ~DesktopNotifier() override;
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    // Returns at once; the notification is shown by the service or, failing it, by the own popup.
    void Show(const Notification& notification) override;
    void OnAction(std::function<void()> handler) override { m_actions.OnAction(std::move(handler)); }
    // How the last answered notification was shown.
    Shown LastShown() const { return m_lastShown; }

private:
    struct Pending;
    static void OnBus(GObject* source, GAsyncResult* result, void* pending);
    static void OnAnswer(GObject* source, GAsyncResult* result, void* pending);
    static void OnClosed(GObject* source, GAsyncResult* result, void* unused);
    static int OnLate(void* pending);
    void FallBack(Pending& pending);
    void Forget(const Pending& pending);
    GVariant* NotifyArguments(const Notification& notification) const;
    void ShowOwnPopup(const Notification& notification);

    wxWindow& m_owner;
    wxIcon m_icon;
    bool m_useInstalledIcon;
    GCancellable* m_cancellable;                   // cancels every call still out when this goes
    std::list<std::unique_ptr<Pending>> m_pending; // notifications the service has not answered yet
    std::unique_ptr<wxGenericNotificationMessage> m_popup;
    Shown m_lastShown = Shown::Nothing;
    NotificationActions m_actions;
};

} // namespace stillmark
