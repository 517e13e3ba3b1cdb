#pragma once
// Where notifications go: the desktop's notification service, or a double in tests.
#include "ui/tray/Notification.h"

#include <functional>

namespace stillmark {

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Show(const Notification& notification) = 0;
    // Called when the user chooses the action of a notification shown with one.
    virtual void OnAction(std::function<void()>) {}
};

} // namespace stillmark
