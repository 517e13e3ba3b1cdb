#include "platform/linux/LinuxProgramServices.h"

#include "platform/linux/EndDeadline.h"
#include "platform/linux/Locations.h"
#include "ui/common/DesktopLanguage.h"
#include "ui/common/ProgramFolder.h"
#include "ui/tray/TrayIcon.h"

#include <X11/Xlib.h>
#include <csignal>
#include <cstdlib>
#include <gdk/gdk.h>
#include <glib-unix.h>
#include <unistd.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif

namespace stillmark {
namespace {

// Xlib's handler takes no data of ours: the one program's requests, set once ending is watched.
const EndingRequests* g_displayLostRequests = nullptr;

gboolean OnEndSignal(gpointer requests) {
    static_cast<const EndingRequests*>(requests)->endOnRequest();
    return G_SOURCE_CONTINUE; // a burst of signals ends the program once
}

// Xlib ends the process after this handler; the settings are written first.
int OnDisplayLost(Display*) {
    if (g_displayLostRequests)
        g_displayLostRequests->saveNow();
    _exit(0);
}

// The Wayland compositor went away. GDK would end the process with status 1 on its next read of the
// closed connection, without the save: this source comes first, saves and ends it as on X11.
gboolean OnWaylandHangUp(int, GIOCondition, gpointer requests) {
    static_cast<const EndingRequests*>(requests)->saveNow();
    _exit(0);
}

// The source's id, or 0 where the display is not Wayland's.
unsigned WatchWaylandDisplay([[maybe_unused]] const EndingRequests* requests) {
#ifdef GDK_WINDOWING_WAYLAND
    GdkDisplay* display = gdk_display_get_default();
    if (display && GDK_IS_WAYLAND_DISPLAY(display)) {
        const int fd = wl_display_get_fd(gdk_wayland_display_get_wl_display(display));
        // Ahead of GDK's own source on the same socket: a ready source of higher priority keeps
        // GLib from even checking GDK's in that round.
        return g_unix_fd_add_full(G_PRIORITY_HIGH, fd, static_cast<GIOCondition>(G_IO_HUP | G_IO_ERR),
                                  OnWaylandHangUp, const_cast<EndingRequests*>(requests), nullptr);
    }
#endif
    return 0;
}

} // namespace

std::unique_ptr<ProgramServices> MakeProgramServices(std::string_view argv0) {
    return std::make_unique<LinuxProgramServices>(argv0);
}

LinuxProgramServices::LinuxProgramServices(std::string_view argv0)
    : m_settings(DefaultSettingsPath(), InDesktopLanguage),
      m_sound(m_soundEngine, m_messages, std::chrono::seconds(1), InDesktopLanguage),
      m_info{m_sound, m_opener, m_messages, FolderOfExecutable()}, m_about(m_info),
      m_autostart(DefaultAutostartPath(), SystemAutostartPaths(),
                  LauncherPath(argv0, std::getenv("PATH") ? std::getenv("PATH") : ""), InDesktopLanguage) {}

LinuxProgramServices::~LinuxProgramServices() {
    for (unsigned source : m_signalSources)
        g_source_remove(source);
    if (g_displayLostRequests == &m_ending)
        g_displayLostRequests = nullptr;
}

MainWindowServices LinuxProgramServices::ForMainWindow() {
    return {m_clock,
            m_wakeTimer,
            m_sound,
            m_settings,
            m_messages,
            m_modalDialogs,
            MakeDesktopTrayIcon,
            [this](wxWindow* owner) { m_about.Show(owner); },
            m_autostart,
            m_desktop};
}

void LinuxProgramServices::WatchEnding(EndingRequests requests) {
    m_ending = std::move(requests);
    // In the main loop rather than in a handler: the handler may then do anything, and a burst of
    // signals only sets GLib's flag again.
    StartEndDeadline();
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        m_signalSources.push_back(g_unix_signal_add(signal, OnEndSignal, &m_ending));
    ArmEndDeadlineOnSignals({SIGTERM, SIGINT, SIGHUP});
    g_displayLostRequests = &m_ending;
    XSetIOErrorHandler(OnDisplayLost);
    if (const unsigned source = WatchWaylandDisplay(&m_ending))
        m_signalSources.push_back(source);
}

void LinuxProgramServices::ArmEndDeadline() {
    stillmark::ArmEndDeadline();
}

} // namespace stillmark
