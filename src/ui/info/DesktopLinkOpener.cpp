#include "ui/info/LinkOpener.h"

#include <cerrno>
#include <gio/gio.h>
#include <sys/wait.h>

namespace stillmark {

DesktopLinkOpener::DesktopLinkOpener(std::string fallback, std::chrono::milliseconds fallbackWait)
    : m_fallback(std::move(fallback)), m_fallbackWait(fallbackWait) {}

OpenResult DesktopLinkOpener::Open(const std::string& target) {
    // A program cannot tell such a target from one of its options, so it is never handed on.
    if (target.empty() || target.front() == '-')
        return OpenResult::FileNotFound;
    if (target.size() > kMaxLinkTarget)
        return OpenResult::OutOfMemory;
    GError* error = nullptr;
    if (g_app_info_launch_default_for_uri(target.c_str(), nullptr, &error))
        return OpenResult::Opened;
    g_clear_error(&error);
    return OpenWithFallback(target);
}

OpenResult DesktopLinkOpener::OpenWithFallback(const std::string& target) {
    gchar* argv[] = {const_cast<gchar*>(m_fallback.c_str()), const_cast<gchar*>(target.c_str()), nullptr};
    GPid pid = 0;
    GError* error = nullptr;
    const auto flags = static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD);
    if (!g_spawn_async(nullptr, argv, nullptr, flags, nullptr, nullptr, &pid, &error)) {
        const OpenResult result = OpenResultOfError(error->domain, error->code);
        g_clear_error(&error);
        return result;
    }
    // The opener hands the target on and ends within moments: its exit status tells the outcome.
    const gint64 deadline = g_get_monotonic_time() + m_fallbackWait.count() * 1000;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            g_spawn_close_pid(pid);
            if (WIFEXITED(status))
                return OpenResultOfExitStatus(WEXITSTATUS(status));
            return OpenResult::NoAssociation; // killed
        }
        if (done == -1 && errno != EINTR) {
            g_spawn_close_pid(pid); // collected elsewhere: it started
            return OpenResult::Opened;
        }
        if (g_get_monotonic_time() >= deadline)
            break;
        g_usleep(5000);
    }
    // Still running (it may wait for the browser it started): the main loop reaps it when it ends.
    g_child_watch_add(
        pid, [](GPid child, gint, gpointer) { g_spawn_close_pid(child); }, nullptr);
    return OpenResult::Opened;
}

} // namespace stillmark
