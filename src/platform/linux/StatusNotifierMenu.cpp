#include "platform/linux/StatusNotifierMenu.h"

#include "ui/tray/TrayIcon.h"
#include "ui/tray/TrayMenu.h"

#include <libdbusmenu-glib/client.h>
#include <libdbusmenu-glib/menuitem.h>
#include <libdbusmenu-glib/server.h>
#include <utility>

namespace stillmark {

StatusNotifierMenu::StatusNotifierMenu(const std::string& objectPath, bool paused,
                                       std::function<void(int id)> onChoice)
    : m_onChoice(std::move(onChoice)) {
    m_root = dbusmenu_menuitem_new();
    for (const TrayMenuItem& entry : TrayMenuItems(paused)) {
        DbusmenuMenuitem* item = dbusmenu_menuitem_new();
        if (entry.id == 0) {
            dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_TYPE,
                                           DBUSMENU_CLIENT_TYPES_SEPARATOR);
        } else {
            dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_LABEL, entry.text.c_str());
            auto& added = m_entries.emplace_back(std::make_unique<Entry>(Entry{this, entry.id, item}));
            g_signal_connect(item, DBUSMENU_MENUITEM_SIGNAL_ITEM_ACTIVATED, G_CALLBACK(OnActivated),
                             added.get());
        }
        dbusmenu_menuitem_child_append(m_root, item);
        g_object_unref(item); // the parent holds it
    }
    m_server = dbusmenu_server_new(objectPath.c_str());
    dbusmenu_server_set_root(m_server, m_root);
}

StatusNotifierMenu::~StatusNotifierMenu() {
    for (const auto& entry : m_entries)
        g_signal_handlers_disconnect_by_data(entry->item, entry.get());
    // Leaving the server takes the menu off the bus.
    g_object_unref(m_server);
    g_object_unref(m_root);
}

void StatusNotifierMenu::SetPaused(bool paused) {
    for (const auto& entry : m_entries) {
        if (entry->id == kIdPause)
            dbusmenu_menuitem_property_set(entry->item, DBUSMENU_MENUITEM_PROP_LABEL,
                                           PauseLabel(paused).c_str());
    }
}

void StatusNotifierMenu::OnActivated(DbusmenuMenuitem*, unsigned, void* data) {
    const Entry& entry = *static_cast<Entry*>(data);
    if (entry.menu->m_onChoice)
        entry.menu->m_onChoice(entry.id);
}

} // namespace stillmark
