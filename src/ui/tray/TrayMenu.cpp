#include "ui/tray/TrayMenu.h"

#include "ui/tray/TrayIcon.h"

namespace stillmark {

std::vector<TrayMenuItem> TrayMenuItems(bool paused) {
    return {
        {wxID_ABOUT, "About Stillmark..."},
        {0, ""},
        {kIdShow, "Show"},
        {kIdPause, PauseLabel(paused)},
        {wxID_EXIT, "Exit"},
    };
}

const char* PauseLabel(bool paused) {
    return paused ? "Resume reminders" : "Pause for today";
}

} // namespace stillmark
