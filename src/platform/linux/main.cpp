#include "app/StillmarkApp.h"
#include "base/ProductIdentity.h"
#include "platform/linux/Locations.h"
#include "platform/linux/SingleInstance.h"

#include <csignal>
#include <cstdlib>
#include <glib.h>
#include <unistd.h>

namespace {

// Until the program runs there is nothing of the user's to save: a request to end ends the process
// at once, with status 0. The program's own handlers take over once it runs.
void EndBeforeStart(int) {
    _exit(0);
}

void EndAtOnceOnSignals() {
    struct sigaction action {};
    action.sa_handler = EndBeforeStart;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    // First of all: nothing below, the single-instance check included, may leave a signal to end
    // the process with another status.
    EndAtOnceOnSignals();
    // Before anything can log: the single-instance check does.
    stillmark::UseStandardErrorLog();
    // GTK would load the GL driver only to pick visuals: tens of megabytes for nothing.
    setenv("GDK_GL", "disable", 0);
    // Before GTK starts: the windows' class (X11) and application id (Wayland) then name the desktop
    // entry, so the shell shows the program's own icon and name.
    g_set_prgname(stillmark::kApplicationId);
    // The name windows without a title of their own (the tray's icon) carry.
    g_set_application_name(stillmark::kProductName);
    // Before any window: a second start only brings the first copy's window forward.
    stillmark::SingleInstance instance(
        [] {
            if (wxTheApp)
                wxGetApp().ShowMainWindow();
        },
        stillmark::DefaultSettingsPath().parent_path());
    if (!instance.IsFirst()) {
        if (instance.AskFirstToShow() == stillmark::SingleInstance::Answer::Silent)
            return stillmark::TellFirstCopyIsSilent(argc, argv);
        return 0;
    }
    return wxEntry(argc, argv);
}
