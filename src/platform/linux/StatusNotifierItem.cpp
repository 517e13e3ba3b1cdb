#include "platform/linux/StatusNotifierItem.h"

#include "base/ProductIdentity.h"
#include "platform/linux/StatusNotifierMenu.h"
#include "ui/tray/TrayMenuPoster.h"

#include <gio/gio.h>
#include <unistd.h>
#include <utility>
#include <wx/icon.h>

namespace stillmark {

namespace {

using bus::kItemInterface;
using bus::kWatcherName;
using bus::kWatcherPath;

constexpr const char* kItemXml = R"xml(<node>
  <interface name="org.kde.StatusNotifierItem">
    <property name="Category" type="s" access="read"/>
    <property name="Id" type="s" access="read"/>
    <property name="Title" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="WindowId" type="i" access="read"/>
    <property name="IconName" type="s" access="read"/>
    <property name="IconPixmap" type="a(iiay)" access="read"/>
    <property name="OverlayIconName" type="s" access="read"/>
    <property name="OverlayIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionIconName" type="s" access="read"/>
    <property name="AttentionIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionMovieName" type="s" access="read"/>
    <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <property name="Menu" type="o" access="read"/>
    <method name="ContextMenu"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="Activate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="SecondaryActivate"><arg name="x" type="i" direction="in"/><arg name="y" type="i" direction="in"/></method>
    <method name="Scroll"><arg name="delta" type="i" direction="in"/><arg name="orientation" type="s" direction="in"/></method>
    <signal name="NewTitle"/>
    <signal name="NewIcon"/>
    <signal name="NewAttentionIcon"/>
    <signal name="NewOverlayIcon"/>
    <signal name="NewToolTip"/>
    <signal name="NewStatus"><arg name="status" type="s"/></signal>
  </interface>
</node>)xml";

GDBusInterfaceInfo* ItemInterfaceInfo() {
    static GDBusNodeInfo* const node = g_dbus_node_info_new_for_xml(kItemXml, nullptr);
    return node->interfaces[0];
}

GVariant* PixmapsVariant(const std::vector<IconPixmap>& pixmaps) {
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE("a(iiay)"));
    for (const IconPixmap& pixmap : pixmaps) {
        GVariant* bytes =
            g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, pixmap.argb.data(), pixmap.argb.size(), 1);
        g_variant_builder_add(&builder, "(ii@ay)", pixmap.width, pixmap.height, bytes);
    }
    return g_variant_builder_end(&builder);
}

GVariant* NoPixmaps() {
    return g_variant_new_array(G_VARIANT_TYPE("(iiay)"), nullptr, 0);
}

} // namespace

// The C callbacks of GDBus, each forwarding to the item.
struct StatusNotifierItem::Callbacks {
    static void Method(GDBusConnection*, const char*, const char*, const char*, const char* method, GVariant*,
                       GDBusMethodInvocation* invocation, void* self) {
        // Answered first: the click may take the item off the bus.
        g_dbus_method_invocation_return_value(invocation, nullptr);
        static_cast<StatusNotifierItem*>(self)->OnMethod(method);
    }
    static GVariant* Get(GDBusConnection*, const char*, const char*, const char*, const char* name, GError**,
                         void* self) {
        return static_cast<StatusNotifierItem*>(self)->Property(name);
    }
    static void NameAcquired(GDBusConnection* bus, const char*, void* data) {
        auto* self = static_cast<StatusNotifierItem*>(data);
        if (self->m_watchId == 0)
            self->m_watchId = g_bus_watch_name_on_connection(bus, kWatcherName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                                             WatcherAppeared, nullptr, self, nullptr);
    }
    static void WatcherAppeared(GDBusConnection*, const char*, const char*, void* self) {
        static_cast<StatusNotifierItem*>(self)->RegisterWithWatcher();
    }
    static void Registered(GObject* bus, GAsyncResult* result, void* self) {
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, &error);
        if (reply != nullptr) {
            ++static_cast<StatusNotifierItem*>(self)->m_registrations;
            g_variant_unref(reply);
        }
        // A refusal leaves the item on the bus; the next watcher to appear is asked again. After a
        // cancellation (the item hidden or gone) self is not touched: reply is null then.
        g_clear_error(&error);
    }
    static int Idle(void* data) {
        auto* self = static_cast<StatusNotifierItem*>(data);
        self->m_idleId = 0;
        // A copy: the handler may destroy the item, and with it this handler.
        const auto handler = self->m_onClick;
        if (handler)
            handler(self->m_pendingClick);
        return G_SOURCE_REMOVE;
    }
};

StatusNotifierItem::StatusNotifierItem(wxWindow& owner, const wxIcon& icon,
                                       std::function<void(TrayClick)> onClick)
    : m_owner(owner), m_pixmaps(MakeIconPixmaps(icon, {22, 44})), m_onClick(std::move(onClick)) {}

StatusNotifierItem::~StatusNotifierItem() {
    Hide();
}

void StatusNotifierItem::Show(const std::string& tip) {
    m_tip = tip;
    if (m_bus != nullptr) {
        g_dbus_connection_emit_signal(m_bus, nullptr, kItemPath, kItemInterface, "NewToolTip", nullptr,
                                      nullptr);
        return;
    }
    m_bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (m_bus == nullptr)
        return; // no session bus: nothing to show the item on
    m_cancellable = g_cancellable_new();
    static const GDBusInterfaceVTable vtable = {Callbacks::Method, Callbacks::Get, nullptr, {}};
    m_objectId = g_dbus_connection_register_object(m_bus, kItemPath, ItemInterfaceInfo(), &vtable, this,
                                                   nullptr, nullptr);
    wxWindow* const owner = &m_owner;
    m_menu = std::make_unique<StatusNotifierMenu>(kItemMenuPath, m_paused,
                                                  [owner](int id) { PostMenuChoice(*owner, id); });
    static int serial = 0;
    m_busName = bus::kItemNamePrefix + std::to_string(getpid()) + "-" + std::to_string(++serial);
    m_registrations = 0;
    m_nameId = g_bus_own_name_on_connection(m_bus, m_busName.c_str(), G_BUS_NAME_OWNER_FLAGS_NONE,
                                            Callbacks::NameAcquired, nullptr, this, nullptr);
}

void StatusNotifierItem::Hide() {
    if (m_bus == nullptr)
        return;
    g_cancellable_cancel(m_cancellable);
    g_clear_object(&m_cancellable);
    if (m_idleId != 0)
        g_source_remove(m_idleId);
    m_idleId = 0;
    if (m_watchId != 0)
        g_bus_unwatch_name(m_watchId);
    m_watchId = 0;
    // Giving up the name is what tells the watcher and the hosts that the item is gone.
    g_bus_unown_name(m_nameId);
    m_nameId = 0;
    m_menu.reset();
    g_dbus_connection_unregister_object(m_bus, m_objectId);
    m_objectId = 0;
    g_dbus_connection_flush_sync(m_bus, nullptr, nullptr);
    g_clear_object(&m_bus);
    m_busName.clear();
}

void StatusNotifierItem::SetPaused(bool paused) {
    m_paused = paused;
    if (m_menu)
        m_menu->SetPaused(paused);
}

void StatusNotifierItem::RegisterWithWatcher() {
    if (m_bus == nullptr)
        return;
    g_dbus_connection_call(m_bus, kWatcherName, kWatcherPath, kWatcherName, "RegisterStatusNotifierItem",
                           g_variant_new("(s)", m_busName.c_str()), nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START,
                           5000, m_cancellable, Callbacks::Registered, this);
}

GVariant* StatusNotifierItem::Property(const std::string& name) const {
    if (name == "Category")
        return g_variant_new_string("ApplicationStatus");
    if (name == "Id")
        return g_variant_new_string("stillmark");
    if (name == "Title")
        return g_variant_new_string(kProductName);
    if (name == "Status")
        return g_variant_new_string("Active");
    if (name == "WindowId")
        return g_variant_new_int32(0);
    if (name == "IconName")
        return g_variant_new_string("stillmark");
    if (name == "IconPixmap")
        return PixmapsVariant(m_pixmaps);
    if (name == "OverlayIconName" || name == "AttentionIconName" || name == "AttentionMovieName")
        return g_variant_new_string("");
    if (name == "OverlayIconPixmap" || name == "AttentionIconPixmap")
        return NoPixmaps();
    if (name == "ToolTip")
        return g_variant_new("(s@a(iiay)ss)", "", NoPixmaps(), m_tip.c_str(), "");
    if (name == "ItemIsMenu")
        return g_variant_new_boolean(FALSE);
    if (name == "Menu")
        return g_variant_new_object_path(kItemMenuPath);
    return nullptr;
}

void StatusNotifierItem::OnMethod(const std::string& method) {
    // Activate is the left press. ContextMenu is asked only of items without a menu on the bus;
    // the secondary click and the wheel mean nothing to the program.
    if (method == "Activate")
        DeliverLater(TrayClick::LeftPress);
}

void StatusNotifierItem::DeliverLater(TrayClick click) {
    // Delivered from the main loop, after the reply: the handler may take the item off the bus.
    m_pendingClick = click;
    if (m_idleId == 0)
        m_idleId = g_idle_add(Callbacks::Idle, this);
}

} // namespace stillmark
