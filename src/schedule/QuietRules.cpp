#include "schedule/QuietRules.h"

namespace stillmark {

ReminderDelivery DeliveryFor(bool quiet, const DesktopState& state) {
    if (!quiet)
        return ReminderDelivery::Heard;
    // Locked wins: a notification into the lock screen is as unwelcome as the sound.
    if (state.locked)
        return ReminderDelivery::Passed;
    if (state.doNotDisturb || state.presenting)
        return ReminderDelivery::Silent;
    return ReminderDelivery::Heard;
}

} // namespace stillmark
