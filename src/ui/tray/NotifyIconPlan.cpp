#include "ui/tray/NotifyIconPlan.h"

namespace stillmark {

NotifyIconPlan PlanNotifyIconCall(NotifyIconMessage message, const NotifyIconData& data, bool iconAdded) {
    NotifyIconPlan plan;
    plan.iconAddedAfter = iconAdded;
    const bool hasText = data.szInfo[0] != '\0';
    switch (message) {
    case NotifyIconMessage::Add:
        plan.setIcon = true;
        plan.showBalloon = hasText;
        plan.iconAddedAfter = true;
        break;
    case NotifyIconMessage::Modify:
        // Without an icon there is nothing to change and no balloon to show.
        plan.setIcon = iconAdded;
        plan.showBalloon = iconAdded && hasText;
        break;
    case NotifyIconMessage::Delete:
        plan.removeIcon = true;
        plan.iconAddedAfter = false;
        break;
    case NotifyIconMessage::SetFocus:
        break;
    }
    if (plan.showBalloon)
        plan.balloonSeconds = BalloonSeconds(data.uTimeout);
    return plan;
}

int BalloonSeconds(std::uint32_t timeoutMilliseconds) {
    const std::uint32_t seconds = timeoutMilliseconds / 1000;
    // Zero would mean "never expires" to the notification service: let it choose instead.
    return seconds == 0 ? kBalloonTimeoutAuto : static_cast<int>(seconds);
}

} // namespace stillmark
