#include "app/StillmarkApp.h"
#include "base/ProductIdentity.h"
#include "platform/linux/SingleInstance.h"

#include <cstdlib>
#include <glib.h>

int main(int argc, char** argv) {
    // Before anything can log: the single-instance check does.
    stillmark::UseStandardErrorLog();
    // GTK would load the GL driver only to pick visuals: tens of megabytes for nothing.
    setenv("GDK_GL", "disable", 0);
    // Before GTK starts: the windows' class (X11) and application id (Wayland) then name the desktop
    // entry, so the shell shows the program's own icon and name.
    g_set_prgname(stillmark::kApplicationId);
    // Before any window: a second start only brings the first copy's window forward.
    stillmark::SingleInstance instance([] {
        if (wxTheApp)
            wxGetApp().ShowMainWindow();
    });
    if (!instance.IsFirst()) {
        instance.AskFirstToShow();
        return 0;
    }
    return wxEntry(argc, argv);
}
