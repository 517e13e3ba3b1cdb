#include "ui/tray/TrayMenu.h"

#include "ui/tray/TrayIcon.h"

#include <wx/translation.h>

namespace stillmark {

std::vector<TrayMenuItem> TrayMenuItems(bool paused) {
    return {
        {wxID_ABOUT, _("About Stillmark...").utf8_string()},
        {0, ""},
        {kIdShow, _("Show").utf8_string()},
        {kIdPause, PauseLabel(paused)},
        {wxID_EXIT, _("Exit").utf8_string()},
    };
}

std::string PauseLabel(bool paused) {
    return (paused ? _("Resume reminders") : _("Pause for today")).utf8_string();
}

} // namespace stillmark
