#pragma once
// The one action a notification may carry ("In 5 minutes"), where the notification service lists the
// "actions" capability: what Notify sends for it, which notifications carry it, and the service's
// ActionInvoked for them. Follows the service coming and going; never waits on it.
#include "ui/tray/Notification.h"

#include <functional>
#include <memory>

typedef struct _GVariant GVariant;

namespace stillmark {

inline constexpr const char* kActionKey = "in-5-minutes";

class NotificationActions {
public:
    NotificationActions();
    ~NotificationActions();
    NotificationActions(const NotificationActions&) = delete;
    NotificationActions& operator=(const NotificationActions&) = delete;

    // Notify's list of actions for the notification (floating): empty unless it has one and the
    // service can show it.
    GVariant* ActionsFor(const Notification& notification) const;
    // The service took the notification under this id.
    void Sent(unsigned id, const Notification& notification);
    void OnAction(std::function<void()> handler);
    // The action chosen elsewhere (the program's own popup).
    void Invoke() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};

} // namespace stillmark
