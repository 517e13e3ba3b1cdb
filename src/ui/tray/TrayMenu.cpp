#include "ui/tray/TrayMenu.h"

#include "ui/tray/NotifyIcon.h"

namespace stillmark {

const std::vector<TrayMenuItem>& TrayMenuItems() {
    static const std::vector<TrayMenuItem> items = {
        {ID_APP_ABOUT, "About Stillmark..."},
        {0, ""}, // separator
        {ID_SHOW, "Show"},
        {ID_APP_EXIT, "Exit"},
    };
    return items;
}

} // namespace stillmark
