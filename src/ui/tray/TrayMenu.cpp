#include "ui/tray/TrayMenu.h"

#include "ui/tray/TrayIcon.h"

#include <wx/translation.h>

namespace stillmark {

const std::vector<TrayMenuItem>& TrayMenuItems() {
    static const std::vector<TrayMenuItem> items = {
        {wxID_ABOUT, _("About Stillmark...").utf8_string()},
        {0, ""},
        {kIdShow, _("Show").utf8_string()},
        {wxID_EXIT, _("Exit").utf8_string()},
    };
    return items;
}

} // namespace stillmark
