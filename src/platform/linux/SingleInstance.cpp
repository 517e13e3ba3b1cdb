#include "platform/linux/SingleInstance.h"

#include "platform/linux/BusNames.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/log.h>

namespace stillmark {

namespace {

constexpr const char* kApplicationInterface = R"(<node>
  <interface name="org.freedesktop.Application">
    <method name="Activate"><arg type="a{sv}" name="platform-data" direction="in"/></method>
    <method name="Open">
      <arg type="as" name="uris" direction="in"/><arg type="a{sv}" name="platform-data" direction="in"/>
    </method>
    <method name="ActivateAction">
      <arg type="s" name="action-name" direction="in"/><arg type="av" name="parameter" direction="in"/>
      <arg type="a{sv}" name="platform-data" direction="in"/>
    </method>
  </interface>
</node>)";

// The bus daemon answers at once; the time-outs only bound a bus that hangs at start-up.
constexpr int kCallTimeoutMs = 5000;
constexpr unsigned kDoNotQueue = 4;                      // DBUS_NAME_FLAG_DO_NOT_QUEUE
constexpr unsigned kPrimaryOwner = 1, kAlreadyOwner = 4; // RequestName's replies

} // namespace

SingleInstance::SingleInstance(std::function<void()> show, std::filesystem::path lockFolder)
    : m_show(std::move(show)), m_lockFolder(std::move(lockFolder)) {
    m_bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    m_first = m_bus ? ClaimBusName() : ClaimLock();
}

SingleInstance::~SingleInstance() {
    if (m_objectId != 0)
        g_dbus_connection_unregister_object(m_bus, m_objectId);
    if (m_bus)
        g_object_unref(m_bus);
    if (m_lock >= 0)
        ::close(m_lock);
}

bool SingleInstance::ClaimBusName() {
    // The object first, so that it answers as soon as the name is ours.
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kApplicationInterface, nullptr);
    static const GDBusInterfaceVTable vtable = {&SingleInstance::OnMethodCall, nullptr, nullptr, {}};
    m_objectId = g_dbus_connection_register_object(m_bus, bus::kProgramPath, node->interfaces[0], &vtable,
                                                   this, nullptr, nullptr);
    g_dbus_node_info_unref(node);

    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        m_bus, bus::kBusName, bus::kBusPath, bus::kBusName, "RequestName",
        g_variant_new("(su)", bus::kProgramName, kDoNotQueue), G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE,
        kCallTimeoutMs, nullptr, &error);
    if (!reply) {
        // A bus that refuses the name: keep to the lock instead.
        wxLogWarning("cannot own %s on the session bus: %s", bus::kProgramName,
                     wxString::FromUTF8(error->message));
        g_error_free(error);
        return ClaimLock();
    }
    unsigned result = 0;
    g_variant_get(reply, "(u)", &result);
    g_variant_unref(reply);
    return result == kPrimaryOwner || result == kAlreadyOwner;
}

bool SingleInstance::TakeLock(const std::filesystem::path& path) {
    // Never through a link: a link at the lock's path could make the lock another file.
    m_lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lock < 0)
        return true;
    if (::flock(m_lock, LOCK_EX | LOCK_NB) == 0)
        return true;
    const bool taken = errno != EWOULDBLOCK;
    ::close(m_lock);
    m_lock = -1;
    return taken; // held by another copy, or a file that takes no lock
}

bool SingleInstance::ClaimLock() {
    m_byLock = true;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        if (!TakeLock(std::filesystem::path(runtime) / "stillmark.lock"))
            return false;
        if (m_lock >= 0)
            return true;
    }
    // The user's own folder, made private when it is made, and only when it is a real folder of the
    // user's: another user's folder or a link could hand the lock to someone else.
    if (m_lockFolder.empty() || (::mkdir(m_lockFolder.c_str(), 0700) != 0 && errno != EEXIST))
        return true;
    struct stat folder {};
    if (::lstat(m_lockFolder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        folder.st_uid != ::geteuid())
        return true; // nowhere private to keep a lock: no rule
    return TakeLock(m_lockFolder / "stillmark.lock");
}

SingleInstance::Answer SingleInstance::AskFirstToShow() {
    if (!m_bus || m_byLock)
        return Answer::Unreachable; // the lock tells of the other copy but reaches it not
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_sync(
        m_bus, bus::kProgramName, bus::kProgramPath, bus::kApplicationInterface, "Activate",
        g_variant_new("(@a{sv})", g_variant_new_array(G_VARIANT_TYPE("{sv}"), nullptr, 0)), nullptr,
        G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, nullptr, &error);
    if (!reply) {
        wxLogError("the running Stillmark did not answer: %s", wxString::FromUTF8(error->message));
        g_error_free(error);
        return Answer::Silent;
    }
    g_variant_unref(reply);
    return Answer::Shown;
}

void SingleInstance::OnMethodCall(GDBusConnection*, const char*, const char*, const char*, const char*,
                                  GVariant*, GDBusMethodInvocation* invocation, void* self) {
    // Activate, Open and ActivateAction all bring the window: the program has no files or actions.
    g_dbus_method_invocation_return_value(invocation, nullptr);
    static_cast<SingleInstance*>(self)->m_show();
}

} // namespace stillmark
