#include "platform/linux/LinuxDesktopActivity.h"

#include <cstdlib>
#include <gio/gio.h>
#include <string>

namespace stillmark {

namespace {

constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr const char* kNotifications = "org.freedesktop.Notifications";
constexpr const char* kGnomeNotificationsSchema = "org.gnome.desktop.notifications";

// A property that its object announces with PropertiesChanged.
BusFlagSource PropertySource(Bus bus, const std::string& name, const std::string& path,
                             const std::string& interface, const std::string& property) {
    BusFlagSource source;
    source.bus = bus;
    source.name = name;
    source.path = path;
    source.read = {kProperties, "Get", "('" + interface + "', '" + property + "')"};
    source.signalInterface = kProperties;
    source.signalMembers = {"PropertiesChanged"};
    source.signalFilter = interface;
    return source;
}

// A screen saver's GetActive, followed by its ActiveChanged.
BusFlagSource ScreenSaverSource(const std::string& name, const std::string& path) {
    BusFlagSource source;
    source.name = name;
    source.path = path;
    source.read = {name, "GetActive", ""};
    source.signalInterface = name;
    source.signalMembers = {"ActiveChanged"};
    return source;
}

} // namespace

std::vector<BusFlagSource> LockSources() {
    // logind's session of this process: its object is asked for first.
    BusFlagSource session = PropertySource(Bus::System, "org.freedesktop.login1", "",
                                           "org.freedesktop.login1.Session", "LockedHint");
    session.locate = {"org.freedesktop.login1.Manager", "GetSession", "('auto',)"};
    session.locateObject = "/org/freedesktop/login1";
    return {session, ScreenSaverSource("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver"),
            ScreenSaverSource("org.gnome.ScreenSaver", "/org/gnome/ScreenSaver")};
}

std::vector<BusFlagSource> DoNotDisturbSources() {
    BusFlagSource xfce;
    xfce.name = "org.xfce.Xfconf";
    xfce.path = "/org/xfce/Xfconf";
    xfce.read = {"org.xfce.Xfconf", "GetProperty", "('xfce4-notifyd', '/do-not-disturb')"};
    xfce.signalInterface = "org.xfce.Xfconf";
    xfce.signalMembers = {"PropertyChanged", "PropertyRemoved"};
    xfce.signalFilter = "xfce4-notifyd";
    return {PropertySource(Bus::Session, kNotifications, "/org/freedesktop/Notifications", kNotifications,
                           "Inhibited"),
            xfce,
            PropertySource(Bus::Session, kNotifications, "/org/freedesktop/Notifications",
                           "org.dunstproject.cmd0", "paused")};
}

std::vector<BusFlagSource> InhibitorSources() {
    BusFlagSource gnome;
    gnome.name = "org.gnome.SessionManager";
    gnome.path = "/org/gnome/SessionManager";
    gnome.read = {"org.gnome.SessionManager", "IsInhibited", "(uint32 8,)"}; // 8: idle
    gnome.signalInterface = "org.gnome.SessionManager";
    gnome.signalMembers = {"InhibitorAdded", "InhibitorRemoved"};
    return {gnome};
}

bool IsGnomeDesktop(std::string_view currentDesktop) {
    // A list such as "ubuntu:GNOME"; case as the desktops write it.
    std::size_t start = 0;
    while (start <= currentDesktop.size()) {
        const std::size_t end = std::min(currentDesktop.find(':', start), currentDesktop.size());
        const std::string_view part = currentDesktop.substr(start, end - start);
        if (part == "GNOME" || part.rfind("GNOME-", 0) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

LinuxDesktopActivity::LinuxDesktopActivity() {
    for (BusFlagSource& source : LockSources())
        m_lock.push_back(std::make_unique<BusFlag>(std::move(source)));
    for (BusFlagSource& source : DoNotDisturbSources())
        m_doNotDisturb.push_back(std::make_unique<BusFlag>(std::move(source)));
    for (BusFlagSource& source : InhibitorSources())
        m_inhibitors.push_back(std::make_unique<BusFlag>(std::move(source)));
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    GSettingsSchemaSource* schemas = g_settings_schema_source_get_default();
    // Looked up first: GSettings aborts the program on a schema it does not have.
    if (desktop && IsGnomeDesktop(desktop) && schemas) {
        if (GSettingsSchema* schema =
                g_settings_schema_source_lookup(schemas, kGnomeNotificationsSchema, TRUE)) {
            if (g_settings_schema_has_key(schema, "show-banners"))
                m_gnomeNotifications = g_settings_new_full(schema, nullptr, nullptr);
            g_settings_schema_unref(schema);
        }
    }
}

LinuxDesktopActivity::~LinuxDesktopActivity() {
    if (m_gnomeNotifications)
        g_object_unref(m_gnomeNotifications);
}

bool LinuxDesktopActivity::AnyOf(const std::vector<std::unique_ptr<BusFlag>>& flags) {
    for (const auto& flag : flags)
        if (flag->Value())
            return true;
    return false;
}

bool LinuxDesktopActivity::GnomeHidesBanners() const {
    // GSettings keeps the value at hand and follows its changes itself: reading never waits.
    return m_gnomeNotifications && !g_settings_get_boolean(m_gnomeNotifications, "show-banners");
}

DesktopState LinuxDesktopActivity::Now() {
    DesktopState state;
    state.locked = AnyOf(m_lock);
    state.doNotDisturb = AnyOf(m_doNotDisturb) || GnomeHidesBanners();
    state.presenting = AnyOf(m_inhibitors) || ActiveWindowIsFullscreen();
    return state;
}

} // namespace stillmark
