#pragma once
// What one icon call does on a desktop whose icon service knows only "set icon",
// "remove icon" and "show a notification": decided without any window.
#include "ui/tray/NotifyIcon.h"

namespace stillmark {

// Balloon time-out that lets the notification service choose its own.
constexpr int kBalloonTimeoutAuto = -1;

struct NotifyIconPlan {
    bool setIcon = false;     // show the icon (again) with the record's tip
    bool removeIcon = false;  // take the icon away
    bool showBalloon = false; // pop up the record's title and text
    int balloonSeconds = 0;   // time-out for the balloon, whole seconds or kBalloonTimeoutAuto
    bool iconAddedAfter = false;
};

// Add shows the icon, and a balloon when the record has a text; Modify does the same
// only while the icon is added (otherwise nothing); Delete removes it; SetFocus does nothing.
NotifyIconPlan PlanNotifyIconCall(NotifyIconMessage message, const NotifyIconData& data, bool iconAdded);

// Whole seconds for a record's time-out in milliseconds; below one second the service's own.
int BalloonSeconds(std::uint32_t timeoutMilliseconds);

} // namespace stillmark
