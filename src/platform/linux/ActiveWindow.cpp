// The X11 active window as the window manager announces it on the root window (EWMH), read when a
// moment is due: a few round trips to the X server, none to another program.
#include "platform/linux/LinuxDesktopActivity.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <unistd.h>

namespace stillmark {

namespace {

// The property's items of 32 bits (held in longs by Xlib), or none. Window managers differ in the
// type they give a window or a process id: only the state's atoms are asked for by type.
std::vector<unsigned long> Property(Display* display, Window window, Atom name, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, window, name, 0, 64, False, type, &actualType, &format, &count, &after,
                           &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

} // namespace

bool ActiveWindowIsFullscreen() {
    GdkDisplay* gdkDisplay = gdk_display_get_default();
    if (!gdkDisplay || !GDK_IS_X11_DISPLAY(gdkDisplay))
        return false;
    Display* display = GDK_DISPLAY_XDISPLAY(gdkDisplay);
    // The active window may be gone by the time it is read.
    gdk_x11_display_error_trap_push(gdkDisplay);
    bool fullscreen = false;
    const auto active = Property(display, DefaultRootWindow(display),
                                 XInternAtom(display, "_NET_ACTIVE_WINDOW", False), AnyPropertyType);
    if (!active.empty() && active.front() != None) {
        const Window window = active.front();
        const auto pid =
            Property(display, window, XInternAtom(display, "_NET_WM_PID", False), AnyPropertyType);
        const bool ours = !pid.empty() && pid.front() == static_cast<unsigned long>(::getpid());
        const Atom full = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
        for (unsigned long atom :
             Property(display, window, XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM))
            fullscreen = fullscreen || (!ours && atom == full);
    }
    gdk_x11_display_error_trap_pop_ignored(gdkDisplay);
    return fullscreen;
}

} // namespace stillmark
