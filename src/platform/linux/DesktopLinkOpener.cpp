#include "platform/linux/DesktopLinkOpener.h"

#include "platform/linux/GioOpenResult.h"

#include <gio/gio.h>
#include <memory>
#include <sys/wait.h>

namespace stillmark {

DesktopLinkOpener::DesktopLinkOpener(std::string fallback) : m_fallback(std::move(fallback)) {}

void DesktopLinkOpener::Open(const std::string& target, Done done) {
    // A program cannot tell such a target from one of its options, so it is never handed on.
    if (target.empty() || target.front() == '-')
        return done(OpenResult::FileNotFound);
    if (target.size() > kMaxLinkTarget)
        return done(OpenResult::OutOfMemory);
    GError* error = nullptr;
    if (g_app_info_launch_default_for_uri(target.c_str(), nullptr, &error))
        return done(OpenResult::Opened);
    g_clear_error(&error);
    OpenWithFallback(target, std::move(done));
}

void DesktopLinkOpener::OpenWithFallback(const std::string& target, Done done) {
    gchar* argv[] = {const_cast<gchar*>(m_fallback.c_str()), const_cast<gchar*>(target.c_str()), nullptr};
    GPid pid = 0;
    GError* error = nullptr;
    const auto flags = static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD);
    if (!g_spawn_async(nullptr, argv, nullptr, flags, nullptr, nullptr, &pid, &error)) {
        const OpenResult result = OpenResultOfError(error->domain, error->code);
        g_clear_error(&error);
        return done(result);
    }
    // The opener hands the target on and ends within moments (or when the browser it started
    // ends): its exit status tells the outcome, whenever it comes.
    g_child_watch_add(
        pid,
        [](GPid child, gint status, gpointer data) {
            g_spawn_close_pid(child);
            const std::unique_ptr<Done> report(static_cast<Done*>(data));
            (*report)(WIFEXITED(status) ? OpenResultOfExitStatus(WEXITSTATUS(status))
                                        : OpenResult::NoAssociation); // killed
        },
        new Done(std::move(done)));
}

} // namespace stillmark
