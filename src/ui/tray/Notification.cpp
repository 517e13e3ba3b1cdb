#include "ui/tray/Notification.h"

#include "base/TextCut.h"

#include <limits>

namespace stillmark {

namespace {
constexpr int kMaxSeconds = std::numeric_limits<int>::max() / 1000;
}

Notification MakeNotification(const std::string& title, const std::string& text, int seconds) {
    Notification notification;
    notification.title = CutUtf8(title, 63);
    notification.text = CutUtf8(text, 255);
    if (seconds > 0)
        notification.seconds = seconds > kMaxSeconds ? kMaxSeconds : seconds;
    return notification;
}

int TimeoutMilliseconds(const Notification& notification) {
    return notification.seconds > 0 ? notification.seconds * 1000 : kTimeoutByService;
}

} // namespace stillmark
