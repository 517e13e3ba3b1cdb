#include "platform/linux/StatusNotifierWatcher.h"

#include "platform/linux/BusNames.h"

#include <gio/gio.h>

namespace stillmark {

bool IsStatusNotifierHostRegistered() {
    GDBusConnection* connection = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (connection == nullptr)
        return false;
    GVariant* reply = g_dbus_connection_call_sync(
        connection, bus::kWatcherName, bus::kWatcherPath, bus::kPropertiesInterface, "Get",
        g_variant_new("(ss)", bus::kWatcherName, "IsStatusNotifierHostRegistered"), G_VARIANT_TYPE("(v)"),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, 500, nullptr, nullptr);
    bool registered = false;
    if (reply != nullptr) {
        GVariant* value = nullptr;
        g_variant_get(reply, "(v)", &value);
        registered = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
        g_variant_unref(value);
        g_variant_unref(reply);
    }
    g_object_unref(connection);
    return registered;
}

} // namespace stillmark
