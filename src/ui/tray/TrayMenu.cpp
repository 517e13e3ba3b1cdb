#include "ui/tray/TrayMenu.h"

#include "ui/tray/TrayIcon.h"

namespace stillmark {

const std::vector<TrayMenuItem>& TrayMenuItems() {
    static const std::vector<TrayMenuItem> items = {
        {wxID_ABOUT, "About Stillmark..."},
        {0, ""},
        {kIdShow, "Show"},
        {wxID_EXIT, "Exit"},
    };
    return items;
}

} // namespace stillmark
