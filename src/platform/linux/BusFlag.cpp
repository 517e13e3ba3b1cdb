#include "platform/linux/BusFlag.h"

#include "base/Diagnostics.h"

#include <gio/gio.h>
#include <wx/log.h>

namespace stillmark {
namespace {

// A service that takes longer than this is taken to say no until it answers a later signal.
constexpr int kAnswerMilliseconds = 3000;

GVariant* Arguments(const std::string& text) {
    if (text.empty())
        return nullptr;
    GError* error = nullptr;
    GVariant* value = g_variant_parse(nullptr, text.c_str(), nullptr, nullptr, &error);
    if (!value) {
        g_error_free(error);
        return nullptr;
    }
    return value;
}

} // namespace

bool FirstBoolean(GVariant* reply) {
    if (!reply)
        return false;
    GVariant* value = g_variant_ref(reply);
    while (value && (g_variant_is_of_type(value, G_VARIANT_TYPE_TUPLE) ||
                     g_variant_is_of_type(value, G_VARIANT_TYPE_VARIANT))) {
        GVariant* inner = nullptr;
        if (g_variant_is_of_type(value, G_VARIANT_TYPE_VARIANT))
            inner = g_variant_get_variant(value);
        else if (g_variant_n_children(value) > 0)
            inner = g_variant_get_child_value(value, 0);
        g_variant_unref(value);
        value = inner;
    }
    const bool yes =
        value && g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
    if (value)
        g_variant_unref(value);
    return yes;
}

struct BusFlag::State : std::enable_shared_from_this<BusFlag::State> {
    BusFlagSource source;
    bool value = false;
    bool alive = true;
    GDBusConnection* bus = nullptr;
    GCancellable* cancellable = g_cancellable_new();
    unsigned watchId = 0, signalId = 0;
    std::string path;
    unsigned generation = 0; // answers of an earlier owner or read are dropped

    ~State() {
        g_object_unref(cancellable);
        if (bus)
            g_object_unref(bus);
    }

    // Each call carries a reference to the state and the generation it was made in.
    struct Call {
        std::shared_ptr<State> state;
        unsigned generation;
    };

    void Appeared(GDBusConnection* connection) {
        if (!bus)
            bus = G_DBUS_CONNECTION(g_object_ref(connection));
        ++generation;
        if (!source.path.empty()) {
            path = source.path;
            Subscribe();
            Read();
            return;
        }
        Send(source.locate, G_VARIANT_TYPE("(o)"), source.locateObject.c_str(), &State::OnLocated);
    }

    void Vanished() {
        ++generation;
        value = false;
        Unsubscribe();
    }

    void Subscribe() {
        Unsubscribe();
        if (!bus || source.signalMembers.empty())
            return;
        signalId = g_dbus_connection_signal_subscribe(
            bus, source.name.c_str(), source.signalInterface.c_str(), nullptr, path.c_str(),
            source.signalFilter.empty() ? nullptr : source.signalFilter.c_str(), G_DBUS_SIGNAL_FLAGS_NONE,
            &State::OnSignal, new std::weak_ptr<State>(weak_from_this()),
            [](gpointer data) { delete static_cast<std::weak_ptr<State>*>(data); });
    }

    void Unsubscribe() {
        if (bus && signalId != 0)
            g_dbus_connection_signal_unsubscribe(bus, signalId);
        signalId = 0;
    }

    void Read() { Send(source.read, nullptr, path.c_str(), &State::OnRead); }

    void Send(const BusCall& call, const GVariantType* replyType, const char* object,
              void (*answer)(GObject*, GAsyncResult*, gpointer)) {
        if (!bus)
            return;
        auto* pending = new Call{shared_from_this(), generation};
        g_dbus_connection_call(bus, source.name.c_str(), object, call.interface.c_str(), call.method.c_str(),
                               Arguments(call.arguments), replyType, G_DBUS_CALL_FLAGS_NO_AUTO_START,
                               kAnswerMilliseconds, cancellable, answer, pending);
    }

    static GVariant* Finish(GObject* bus, GAsyncResult* result, Call& call) {
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, &error);
        if (!reply) {
            if (!g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED) && call.state->alive)
                wxLogTrace(kTraceMask, "%s did not tell (%s): taken as no",
                           wxString::FromUTF8(call.state->source.name), wxString::FromUTF8(error->message));
            g_error_free(error);
        }
        return reply;
    }

    static void OnLocated(GObject* bus, GAsyncResult* result, gpointer data) {
        std::unique_ptr<Call> call(static_cast<Call*>(data));
        GVariant* reply = Finish(bus, result, *call);
        State& state = *call->state;
        if (!reply)
            return;
        const gchar* object = nullptr;
        g_variant_get(reply, "(&o)", &object);
        if (state.alive && call->generation == state.generation) {
            state.path = object;
            state.Subscribe();
            state.Read();
        }
        g_variant_unref(reply);
    }

    static void OnRead(GObject* bus, GAsyncResult* result, gpointer data) {
        std::unique_ptr<Call> call(static_cast<Call*>(data));
        GVariant* reply = Finish(bus, result, *call);
        State& state = *call->state;
        if (state.alive && call->generation == state.generation)
            state.value = FirstBoolean(reply);
        if (reply)
            g_variant_unref(reply);
    }

    static void OnSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant*,
                         gpointer data) {
        if (auto state = static_cast<std::weak_ptr<State>*>(data)->lock(); state && state->alive)
            state->Read();
    }
};

BusFlag::BusFlag(BusFlagSource source) : m_state(std::make_shared<State>()) {
    m_state->source = std::move(source);
    auto* weak = new std::weak_ptr<State>(m_state);
    m_state->watchId = g_bus_watch_name(
        m_state->source.bus == Bus::System ? G_BUS_TYPE_SYSTEM : G_BUS_TYPE_SESSION,
        m_state->source.name.c_str(), G_BUS_NAME_WATCHER_FLAGS_NONE,
        [](GDBusConnection* connection, const gchar*, const gchar*, gpointer data) {
            if (auto state = static_cast<std::weak_ptr<State>*>(data)->lock())
                state->Appeared(connection);
        },
        [](GDBusConnection*, const gchar*, gpointer data) {
            if (auto state = static_cast<std::weak_ptr<State>*>(data)->lock())
                state->Vanished();
        },
        weak, [](gpointer data) { delete static_cast<std::weak_ptr<State>*>(data); });
}

BusFlag::~BusFlag() {
    m_state->alive = false;
    g_bus_unwatch_name(m_state->watchId);
    m_state->Unsubscribe();
    g_cancellable_cancel(m_state->cancellable);
}

bool BusFlag::Value() const {
    return m_state->value;
}

} // namespace stillmark
