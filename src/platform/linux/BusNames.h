#pragma once
// The D-Bus names the program owns and the desktop services' names it speaks to, in one place.
#include "base/ProductIdentity.h"

namespace stillmark::bus {

// The program's own: one copy a session owns this name and answers org.freedesktop.Application.
inline constexpr const char* kProgramName = kApplicationId;
inline constexpr const char* kProgramPath = "/org/stillmark/Stillmark";
inline constexpr const char* kApplicationInterface = "org.freedesktop.Application";

// The bus itself.
inline constexpr const char* kBusName = "org.freedesktop.DBus";
inline constexpr const char* kBusPath = "/org/freedesktop/DBus";
inline constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";

// The tray: the icon the program shows, and the panel's watcher that hosts it.
inline constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
inline constexpr const char* kItemNamePrefix = "org.kde.StatusNotifierItem-";
inline constexpr const char* kItemPath = "/StatusNotifierItem";
inline constexpr const char* kItemMenuPath = "/StatusNotifierItem/Menu";
inline constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
inline constexpr const char* kWatcherPath = "/StatusNotifierWatcher";

// The desktop's notification service.
inline constexpr const char* kNotificationsName = "org.freedesktop.Notifications";
inline constexpr const char* kNotificationsPath = "/org/freedesktop/Notifications";

} // namespace stillmark::bus
