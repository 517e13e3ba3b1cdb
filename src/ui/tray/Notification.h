#pragma once
// One desktop notification as the program sends it, made without any window or bus.
#include "base/ProductIdentity.h"

#include <string>

namespace stillmark {

inline constexpr const char* kNotificationAppName = kProductName;
inline constexpr const char* kInstalledIconName = "stillmark";
inline constexpr const char* kDesktopEntry = "org.stillmark.Stillmark";
// The notification service's own time-out.
inline constexpr int kTimeoutByService = -1;

struct Notification {
    std::string title; // at most 63 bytes
    std::string text;  // at most 255 bytes
    int seconds = kTimeoutByService;
    std::string action; // the label of its one action, or empty for none
    bool operator==(const Notification&) const = default;
};

// Texts cut to their limits; a time-out of zero or less leaves it to the service (zero would
// mean "never expires" to it), a huge one is capped so it stays countable in milliseconds.
Notification MakeNotification(const std::string& title, const std::string& text, int seconds);

// The time-out in milliseconds as the notification service takes it.
int TimeoutMilliseconds(const Notification& notification);

} // namespace stillmark
