#include "platform/linux/GLibWakeTimer.h"

#include <glib-unix.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/timerfd.h>
#include <unistd.h>
#include <wx/log.h>

namespace stillmark {
namespace {

// The C library reads the zone file once; a changed TZ value makes tzset() read it again.
void ReloadTimeZone() {
    const char* tz = std::getenv("TZ");
    const std::string saved = tz ? tz : "";
    setenv("TZ", "UTC0", 1);
    tzset();
    if (tz)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

} // namespace

GLibWakeTimer::GLibWakeTimer(WakeTimerSources sources)
    : m_cancellable(g_cancellable_new()), m_readTimer(std::move(sources.readTimer)) {
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0)
        m_fdSource = g_unix_fd_add(m_fd, G_IO_IN, &GLibWakeTimer::OnTimerReadable, this);
    else
        wxLogError("no wall-clock timer (%s): moments cannot alert", wxString::FromUTF8(g_strerror(errno)));
    // Asynchronous: a machine without a system bus (a container, CI) must not delay the start.
    g_bus_get(G_BUS_TYPE_SYSTEM, m_cancellable, &GLibWakeTimer::OnSystemBus, this);
    GFile* zoneFile = g_file_new_for_path(sources.zoneFile.c_str());
    m_timeZoneMonitor = g_file_monitor_file(zoneFile, G_FILE_MONITOR_WATCH_MOVES, nullptr, nullptr);
    g_object_unref(zoneFile);
    if (m_timeZoneMonitor)
        g_signal_connect(m_timeZoneMonitor, "changed", G_CALLBACK(&GLibWakeTimer::OnTimeZoneFile), this);
}

GLibWakeTimer::~GLibWakeTimer() {
    g_cancellable_cancel(m_cancellable);
    g_object_unref(m_cancellable);
    if (m_systemBus) {
        g_dbus_connection_signal_unsubscribe(m_systemBus, m_sleepSubscription);
        g_object_unref(m_systemBus);
    }
    if (m_timeZoneMonitor) {
        g_signal_handlers_disconnect_by_data(m_timeZoneMonitor, this);
        g_file_monitor_cancel(m_timeZoneMonitor);
        g_object_unref(m_timeZoneMonitor);
    }
    if (m_fdSource)
        g_source_remove(m_fdSource);
    if (m_fd >= 0)
        close(m_fd);
}

void GLibWakeTimer::Arm(std::optional<std::time_t> when, std::function<void()> onWake) {
    m_onWake = std::move(onWake);
    SetTimer(when);
}

void GLibWakeTimer::Disarm() {
    m_onWake = nullptr;
    SetTimer(std::nullopt);
}

void GLibWakeTimer::SetTimer(std::optional<std::time_t> when) {
    if (m_fd < 0)
        return;
    itimerspec expiry{}; // all zero: disarmed
    if (when) {
        // A zero time would disarm: the smallest time after it fires at once, as any past time does.
        expiry.it_value.tv_sec = std::max<std::time_t>(*when, 0);
        expiry.it_value.tv_nsec = *when > 0 ? 0 : 1;
    }
    const int flags = when ? TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET : 0;
    if (timerfd_settime(m_fd, flags, &expiry, nullptr) != 0)
        wxLogError("cannot arm the wall-clock timer: %s", wxString::FromUTF8(g_strerror(errno)));
}

gboolean GLibWakeTimer::OnTimerReadable(gint fd, GIOCondition, gpointer data) {
    auto* self = static_cast<GLibWakeTimer*>(data);
    std::uint64_t expirations = 0;
    const ssize_t got =
        self->m_readTimer ? self->m_readTimer(fd, expirations) : ::read(fd, &expirations, sizeof expirations);
    // ECANCELED: the clock was set, and the time armed for may now lie elsewhere. Either way, look again.
    if (got >= 0 || errno == ECANCELED)
        self->Wake();
    return G_SOURCE_CONTINUE;
}

void GLibWakeTimer::OnSystemBus(GObject*, GAsyncResult* result, gpointer self) {
    GDBusConnection* bus = g_bus_get_finish(result, nullptr);
    if (!bus)
        return; // cancelled, or no system bus: resumes are then seen only as a late timer
    auto* timer = static_cast<GLibWakeTimer*>(self);
    timer->m_systemBus = bus;
    // Any sender: the signal only makes the reminder read the clock again, which no sender can misuse,
    // and a test's private bus can announce a resume without owning logind's name.
    timer->m_sleepSubscription = g_dbus_connection_signal_subscribe(
        bus, nullptr, "org.freedesktop.login1.Manager", "PrepareForSleep", "/org/freedesktop/login1", nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE, &GLibWakeTimer::OnPrepareForSleep, timer, nullptr);
}

void GLibWakeTimer::OnPrepareForSleep(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                      const gchar*, GVariant* parameters, gpointer self) {
    gboolean goingToSleep = TRUE;
    if (g_variant_is_of_type(parameters, G_VARIANT_TYPE("(b)")))
        g_variant_get(parameters, "(b)", &goingToSleep);
    if (!goingToSleep)
        static_cast<GLibWakeTimer*>(self)->Wake();
}

void GLibWakeTimer::OnTimeZoneFile(GFileMonitor*, GFile*, GFile*, GFileMonitorEvent event, gpointer self) {
    if (event == G_FILE_MONITOR_EVENT_CHANGES_DONE_HINT || event == G_FILE_MONITOR_EVENT_CREATED ||
        event == G_FILE_MONITOR_EVENT_MOVED_IN || event == G_FILE_MONITOR_EVENT_RENAMED ||
        event == G_FILE_MONITOR_EVENT_DELETED) {
        ReloadTimeZone();
        static_cast<GLibWakeTimer*>(self)->Wake();
    }
}

void GLibWakeTimer::Wake() {
    // The callback arms the timer again, which may replace m_onWake: call a copy.
    if (const std::function<void()> onWake = m_onWake)
        onWake();
}

} // namespace stillmark
