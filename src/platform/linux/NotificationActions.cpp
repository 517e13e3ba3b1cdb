#include "platform/linux/NotificationActions.h"

#include <algorithm>
#include <gio/gio.h>
#include <string>
#include <vector>

namespace stillmark {

namespace {
constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr int kAnswerMilliseconds = 3000;
constexpr std::size_t kRemembered = 32; // notifications still on screen or in the service's list
} // namespace

struct NotificationActions::State {
    bool supported = false;
    std::function<void()> handler;
    std::vector<unsigned> ids; // the notifications that carry the action, oldest first
    GDBusConnection* bus = nullptr;
    GCancellable* cancellable = g_cancellable_new();
    unsigned watchId = 0, signalId = 0;

    ~State() {
        g_object_unref(cancellable);
        if (bus)
            g_object_unref(bus);
    }

    static void OnCapabilities(GObject* source, GAsyncResult* result, gpointer data) {
        auto* weak = static_cast<std::weak_ptr<State>*>(data);
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
        if (auto state = weak->lock(); state && reply) {
            GVariant* list = g_variant_get_child_value(reply, 0);
            gsize count = 0;
            const gchar** names = g_variant_get_strv(list, &count);
            state->supported = std::any_of(names, names + count,
                                           [](const gchar* name) { return std::string(name) == "actions"; });
            g_free(names);
            g_variant_unref(list);
        }
        if (reply)
            g_variant_unref(reply);
        delete weak;
    }

    static void OnSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* member,
                         GVariant* parameters, gpointer data) {
        auto state = static_cast<std::weak_ptr<State>*>(data)->lock();
        if (!state)
            return;
        guint32 id = 0;
        const gchar* key = "";
        if (std::string(member) == "ActionInvoked" &&
            g_variant_is_of_type(parameters, G_VARIANT_TYPE("(us)")))
            g_variant_get(parameters, "(u&s)", &id, &key);
        else if (g_variant_is_of_type(parameters, G_VARIANT_TYPE("(uu)")))
            g_variant_get(parameters, "(uu)", &id, nullptr);
        const auto found = std::find(state->ids.begin(), state->ids.end(), id);
        if (found == state->ids.end())
            return; // another program's, or one without the action
        state->ids.erase(found);
        if (state->ids.empty())
            state->StopListening();
        if (std::string(key) == kActionKey && state->handler)
            state->handler();
    }

    // Only while a notification with the action may still be chosen: the service's signals about
    // every other notification (the background message closing, another program's) would wake the
    // waiting program for nothing.
    void Listen() {
        if (signalId || !bus)
            return;
        // ActionInvoked and NotificationClosed alike: both end what a notification may still do.
        signalId = g_dbus_connection_signal_subscribe(
            bus, kService, kService, nullptr, kPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE, &State::OnSignal,
            new std::weak_ptr<State>(self),
            [](gpointer data) { delete static_cast<std::weak_ptr<State>*>(data); });
    }
    void StopListening() {
        if (signalId)
            g_dbus_connection_signal_unsubscribe(bus, signalId);
        signalId = 0;
    }

    void Appeared(GDBusConnection* connection) {
        if (!bus)
            bus = G_DBUS_CONNECTION(g_object_ref(connection));
        g_dbus_connection_call(bus, kService, kPath, kService, "GetCapabilities", nullptr,
                               G_VARIANT_TYPE("(as)"), G_DBUS_CALL_FLAGS_NO_AUTO_START, kAnswerMilliseconds,
                               cancellable, &State::OnCapabilities, new std::weak_ptr<State>(self));
    }

    std::weak_ptr<State> self;
};

NotificationActions::NotificationActions() : m_state(std::make_shared<State>()) {
    m_state->self = m_state;
    m_state->watchId = g_bus_watch_name(
        G_BUS_TYPE_SESSION, kService, G_BUS_NAME_WATCHER_FLAGS_NONE,
        [](GDBusConnection* connection, const gchar*, const gchar*, gpointer data) {
            if (auto state = static_cast<std::weak_ptr<State>*>(data)->lock())
                state->Appeared(connection);
        },
        [](GDBusConnection*, const gchar*, gpointer data) {
            if (auto state = static_cast<std::weak_ptr<State>*>(data)->lock()) {
                state->supported = false;
                state->ids.clear();
                state->StopListening();
            }
        },
        new std::weak_ptr<State>(m_state),
        [](gpointer data) { delete static_cast<std::weak_ptr<State>*>(data); });
}

NotificationActions::~NotificationActions() {
    g_bus_unwatch_name(m_state->watchId);
    m_state->StopListening();
    g_cancellable_cancel(m_state->cancellable);
}

GVariant* NotificationActions::ActionsFor(const Notification& notification) const {
    GVariantBuilder actions;
    g_variant_builder_init(&actions, G_VARIANT_TYPE("as"));
    if (m_state->supported && !notification.action.empty()) {
        g_variant_builder_add(&actions, "s", kActionKey);
        g_variant_builder_add(&actions, "s", notification.action.c_str());
    }
    return g_variant_builder_end(&actions);
}

void NotificationActions::Sent(unsigned id, const Notification& notification) {
    if (!m_state->supported || notification.action.empty())
        return;
    m_state->ids.push_back(id);
    if (m_state->ids.size() > kRemembered)
        m_state->ids.erase(m_state->ids.begin());
    m_state->Listen();
}

void NotificationActions::OnAction(std::function<void()> handler) {
    m_state->handler = std::move(handler);
}

void NotificationActions::Invoke() const {
    if (m_state->handler)
        m_state->handler();
}

} // namespace stillmark
