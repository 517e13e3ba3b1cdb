#pragma once
// Where notifications go: the desktop's notification service, or a double in tests.
#include "ui/tray/Notification.h"

namespace stillmark {

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Show(const Notification& notification) = 0;
};

} // namespace stillmark
