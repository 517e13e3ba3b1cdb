#pragma once
// Whether a due moment may make itself heard: a reminder into an empty room or over a call helps nobody.
namespace stillmark {

// What the desktop tells of the person at the moment; every part false where it cannot tell.
struct DesktopState {
    bool locked = false;       // the session's screen is locked: nobody is there
    bool doNotDisturb = false; // the desktop holds notifications back at the user's wish
    bool presenting = false;   // a fullscreen window of another program, or an idle inhibitor
    bool operator==(const DesktopState&) const = default;
};

enum class ReminderDelivery {
    Heard,  // the notification and, where the settings want it, the sound
    Silent, // the notification without a sound
    Passed, // nothing at all; the moment still counts as given
};

// quiet: the "Quiet while away or busy" setting; off, every moment is heard as it always was.
ReminderDelivery DeliveryFor(bool quiet, const DesktopState& state);

} // namespace stillmark
