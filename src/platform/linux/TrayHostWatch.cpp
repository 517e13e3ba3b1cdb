#include "ui/tray/TrayHostWatch.h"

#include "platform/linux/BusNames.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gio/gio.h>
#include <string>
#include <utility>

namespace stillmark {
namespace {

using bus::kWatcherName;

class DesktopTrayHostWatch final : public TrayHostWatch {
public:
    explicit DesktopTrayHostWatch(std::function<void()> onChange) : m_onChange(std::move(onChange)) {
        WatchStatusNotifierWatcher();
        WatchTraySelection();
    }

    ~DesktopTrayHostWatch() override {
        if (m_idleId != 0)
            g_source_remove(m_idleId);
        if (m_nameWatchId != 0)
            g_bus_unwatch_name(m_nameWatchId);
        if (m_bus != nullptr) {
            g_dbus_connection_signal_unsubscribe(m_bus, m_signalId);
            g_object_unref(m_bus);
        }
        if (m_display != nullptr)
            gdk_window_remove_filter(nullptr, Filter, this);
    }

    DesktopTrayHostWatch(const DesktopTrayHostWatch&) = delete;
    DesktopTrayHostWatch& operator=(const DesktopTrayHostWatch&) = delete;

private:
    void WatchStatusNotifierWatcher() {
        m_bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
        if (m_bus == nullptr)
            return;
        m_nameWatchId = g_bus_watch_name_on_connection(m_bus, kWatcherName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                                       NameChanged, NameChanged, this, nullptr);
        // A watcher may come up before its panel registers as the host that shows items.
        m_signalId = g_dbus_connection_signal_subscribe(m_bus, kWatcherName, kWatcherName, nullptr,
                                                        bus::kWatcherPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
                                                        WatcherSignal, this, nullptr);
    }

    void WatchTraySelection() {
        GdkDisplay* display = gdk_display_get_default();
        if (display == nullptr || !GDK_IS_X11_DISPLAY(display))
            return;
        m_display = GDK_DISPLAY_XDISPLAY(display);
        const int screen = DefaultScreen(m_display);
        m_root = RootWindow(m_display, screen);
        m_selection = XInternAtom(m_display, ("_NET_SYSTEM_TRAY_S" + std::to_string(screen)).c_str(), False);
        m_manager = XInternAtom(m_display, "MANAGER", False);
        // A new tray announces itself with a MANAGER message to the root window's structure listeners.
        XWindowAttributes attributes{};
        XGetWindowAttributes(m_display, m_root, &attributes);
        XSelectInput(m_display, m_root, attributes.your_event_mask | StructureNotifyMask);
        gdk_window_add_filter(nullptr, Filter, this);
        FollowSelectionOwner();
    }

    // Listens for the destruction of the tray's window: the tray is gone then.
    void FollowSelectionOwner() {
        gdk_x11_display_error_trap_push(gdk_display_get_default());
        m_owner = XGetSelectionOwner(m_display, m_selection);
        if (m_owner != None)
            XSelectInput(m_display, m_owner, StructureNotifyMask);
        gdk_x11_display_error_trap_pop_ignored(gdk_display_get_default());
    }

    static GdkFilterReturn Filter(GdkXEvent* xevent, GdkEvent*, void* data) {
        auto* self = static_cast<DesktopTrayHostWatch*>(data);
        const XEvent& event = *static_cast<XEvent*>(xevent);
        const bool announced = event.type == ClientMessage && event.xclient.window == self->m_root &&
                               event.xclient.message_type == self->m_manager &&
                               static_cast<Atom>(event.xclient.data.l[1]) == self->m_selection;
        const bool gone = event.type == DestroyNotify && self->m_owner != None &&
                          event.xdestroywindow.window == self->m_owner;
        if (announced || gone) {
            self->FollowSelectionOwner();
            self->ReportLater();
        }
        return GDK_FILTER_CONTINUE;
    }

    static void NameChanged(GDBusConnection*, const char*, const char*, void* self) {
        static_cast<DesktopTrayHostWatch*>(self)->ReportLater();
    }
    static void NameChanged(GDBusConnection* bus, const char* name, void* self) {
        NameChanged(bus, name, nullptr, self);
    }

    static void WatcherSignal(GDBusConnection*, const char*, const char*, const char*, const char* signal,
                              GVariant*, void* self) {
        const std::string name = signal;
        if (name == "StatusNotifierHostRegistered" || name == "StatusNotifierHostUnregistered")
            static_cast<DesktopTrayHostWatch*>(self)->ReportLater();
    }

    void ReportLater() {
        if (m_idleId == 0)
            m_idleId = g_idle_add(Report, this);
    }

    static int Report(void* data) {
        auto* self = static_cast<DesktopTrayHostWatch*>(data);
        self->m_idleId = 0;
        // A copy: the handler may end this watch.
        const auto handler = self->m_onChange;
        if (handler)
            handler();
        return G_SOURCE_REMOVE;
    }

    std::function<void()> m_onChange;
    GDBusConnection* m_bus = nullptr;
    unsigned m_nameWatchId = 0, m_signalId = 0, m_idleId = 0;
    Display* m_display = nullptr;
    Window m_root = None, m_owner = None;
    Atom m_selection = None, m_manager = None;
};

} // namespace

std::unique_ptr<TrayHostWatch> WatchTrayHosts(std::function<void()> onChange) {
    return std::make_unique<DesktopTrayHostWatch>(std::move(onChange));
}

} // namespace stillmark
