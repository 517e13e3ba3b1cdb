#pragma once
// The reminder's timer on the GLib main loop: a timerfd on the wall clock, armed for an absolute time and
// cancelled by the kernel when the clock is set; also woken by a resume from sleep (logind, where a
// system bus exists) and by a new time zone (/etc/localtime replaced).
#include "base/WakeTimer.h"

#include <cstdint>
#include <gio/gio.h>
#include <string>
#include <sys/types.h>

namespace stillmark {

// What the timer watches; tests replace it.
struct WakeTimerSources {
    std::string zoneFile = "/etc/localtime";
    // Reads the timer's count as read(2) does; a test reports a clock that was set through it.
    std::function<ssize_t(int fd, std::uint64_t& expirations)> readTimer;
};

class GLibWakeTimer final : public WakeTimer {
public:
    explicit GLibWakeTimer(WakeTimerSources sources = {});
    ~GLibWakeTimer() override;
    GLibWakeTimer(const GLibWakeTimer&) = delete;
    GLibWakeTimer& operator=(const GLibWakeTimer&) = delete;

    void Arm(std::optional<std::time_t> when, std::function<void()> onWake) override;
    void Disarm() override;

private:
    static gboolean OnTimerReadable(gint fd, GIOCondition condition, gpointer self);
    static void OnSystemBus(GObject* source, GAsyncResult* result, gpointer self);
    static void OnPrepareForSleep(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                                  GVariant* parameters, gpointer self);
    static void OnTimeZoneFile(GFileMonitor*, GFile*, GFile*, GFileMonitorEvent event, gpointer self);
    void SetTimer(std::optional<std::time_t> when);
    void Wake();

    int m_fd = -1;
    guint m_fdSource = 0;
    GCancellable* m_cancellable = nullptr;
    GDBusConnection* m_systemBus = nullptr;
    guint m_sleepSubscription = 0;
    GFileMonitor* m_timeZoneMonitor = nullptr;
    std::function<void()> m_onWake;
    std::function<ssize_t(int, std::uint64_t&)> m_readTimer;
};

} // namespace stillmark
