#include "TrayDesktopHelpers.h"

#include "EventPump.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/icon.h>

using namespace std::chrono_literals;

namespace stillmark::test {

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
    ADD_FAILURE() << "wx assertion at " << file << ":" << line << " in " << function << ": " << condition
                  << " " << message;
}

std::string WatcherOwner() {
    GVariant* reply = CallOnBus("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                "GetNameOwner", g_variant_new("(s)", "org.kde.StatusNotifierWatcher"));
    std::string owner;
    if (reply != nullptr) {
        const char* text = nullptr;
        g_variant_get(reply, "(&s)", &text);
        owner = text;
        g_variant_unref(reply);
    }
    return owner;
}

} // namespace

std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 512> buffer{};
        while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
            output += buffer.data();
        pclose(pipe);
    }
    return output;
}

namespace {
const char* const kChildVariable = "STILLMARK_TRAY_TEST_CHILD";
}

bool InChildRun() {
    return std::getenv(kChildVariable) != nullptr;
}

::testing::AssertionResult ChildTestPasses(const std::string& wrap, const std::string& testName) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string output = RunCommand(std::string(kChildVariable) + "=1 " + wrap + " '" + self +
                                          "' --gtest_filter=" + testName + " 2>&1; echo \"exit=$?\"");
    if (output.find("[  PASSED  ] 1 test") != std::string::npos && output.find("exit=0") != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << output;
}

wxIcon MakeTestIcon(int size) {
    wxBitmap bitmap(size, size);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLUE_BRUSH);
        dc.Clear();
    }
    wxIcon icon;
    icon.CopyFromBitmap(bitmap);
    return icon;
}

void FailOnWxAssert() {
    wxSetAssertHandler(FailOnAssert);
}

bool NotifyMonitor::Notification::HasHint(const std::string& key, const std::string& value) const {
    const std::regex hint("string \"" + key + "\"\\s*variant\\s*" + value);
    return std::regex_search(call, hint);
}

NotifyMonitor::NotifyMonitor() {
    char pattern[] = "/tmp/stillmark-notify-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd >= 0)
        close(fd);
    m_log = pattern;
    const std::string pid = RunCommand("dbus-monitor --session "
                                       "\"interface='org.freedesktop.Notifications',member='Notify'\" >" +
                                       m_log + " 2>&1 & echo $!");
    m_pid = std::atoi(pid.c_str());
    // dbus-monitor reports its own connection first: from then on it sees every call.
    PumpUntil([this] { return !ReadFile(m_log).empty(); }, 5000ms);
}

NotifyMonitor::~NotifyMonitor() {
    if (m_pid > 0)
        kill(m_pid, SIGTERM);
    std::filesystem::remove(m_log);
}

std::vector<NotifyMonitor::Notification> NotifyMonitor::Notifications() const {
    std::vector<Notification> found;
    const std::string log = ReadFile(m_log);
    static const std::regex call("method call [^\\n]*member=Notify\\n");
    static const std::regex text("string \"([^\"]*)\"");
    static const std::regex timeout("int32 (-?[0-9]+)\\s*$");
    for (auto it = std::sregex_iterator(log.begin(), log.end(), call); it != std::sregex_iterator(); ++it) {
        const std::size_t start = static_cast<std::size_t>(it->position() + it->length());
        const std::size_t end = std::min(log.find("\nmethod call", start), log.size());
        Notification n;
        n.call = log.substr(start, end - start);
        std::vector<std::string> texts; // application, icon, summary, body, then the hints
        for (auto t = std::sregex_iterator(n.call.begin(), n.call.end(), text); t != std::sregex_iterator();
             ++t)
            texts.push_back((*t)[1]);
        std::smatch last;
        if (std::regex_search(n.call, last, timeout))
            n.expireTimeout = std::atoi(last[1].str().c_str());
        if (texts.size() < 4)
            continue;
        n.appName = texts[0];
        n.appIcon = texts[1];
        n.summary = texts[2];
        n.body = texts[3];
        found.push_back(n);
    }
    return found;
}

bool NotifyMonitor::WaitForCount(std::size_t count) const {
    return PumpUntil([&] { return Notifications().size() >= count; }, 5000ms);
}

GVariant* CallOnBus(const std::string& destination, const std::string& path, const std::string& interface,
                    const std::string& method, GVariant* parameters) {
    struct Outcome {
        GVariant* reply = nullptr;
        bool done = false;
    };
    // Shared with the callback, which may come after a failed wait.
    auto* outcome = new Outcome;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus == nullptr) {
        delete outcome;
        return nullptr;
    }
    g_dbus_connection_call(
        bus, destination.c_str(), path.c_str(), interface.c_str(), method.c_str(), parameters, nullptr,
        G_DBUS_CALL_FLAGS_NO_AUTO_START, 4000, nullptr,
        [](GObject* source, GAsyncResult* result, void* data) {
            auto* o = static_cast<Outcome*>(data);
            o->reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, nullptr);
            o->done = true;
        },
        outcome);
    PumpUntil([outcome] { return outcome->done; }, 5000ms);
    GVariant* reply = outcome->done ? outcome->reply : nullptr;
    if (outcome->done)
        delete outcome; // else the late callback's memory is left: a test failure anyway
    g_object_unref(bus);
    return reply;
}

GVariant* GetBusProperty(const std::string& destination, const std::string& path,
                         const std::string& interface, const std::string& name) {
    GVariant* reply = CallOnBus(destination, path, "org.freedesktop.DBus.Properties", "Get",
                                g_variant_new("(ss)", interface.c_str(), name.c_str()));
    if (reply == nullptr)
        return nullptr;
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    g_variant_unref(reply);
    return value;
}

bool NameHasOwner(const std::string& name) {
    GVariant* reply = CallOnBus("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                "NameHasOwner", g_variant_new("(s)", name.c_str()));
    gboolean owned = FALSE;
    if (reply != nullptr) {
        g_variant_get(reply, "(b)", &owned);
        g_variant_unref(reply);
    }
    return owned;
}

TestWatcher::TestWatcher(bool replace, bool withHost) {
    const std::string before = WatcherOwner();
    const std::string pid = RunCommand(std::string("/usr/bin/python3 '") + STILLMARK_WATCHER_SCRIPT + "'" +
                                       (replace ? " --replace" : "") + (withHost ? "" : " --no-host") +
                                       " >/dev/null 2>&1 & echo $!");
    m_pid = std::atoi(pid.c_str());
    m_started = PumpUntil(
        [&] {
            const std::string now = WatcherOwner();
            return !now.empty() && now != before;
        },
        5000ms);
}

TestWatcher::~TestWatcher() {
    if (m_pid <= 0)
        return;
    const std::string mine = WatcherOwner();
    kill(m_pid, SIGTERM);
    // The name is free again, or the desktop's watcher, queued for it, owns it again.
    PumpUntil([&] { return WatcherOwner() != mine; }, 5000ms);
}

std::vector<std::string> RegisteredItems() {
    std::vector<std::string> items;
    GVariant* value = GetBusProperty("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                     "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems");
    if (value == nullptr)
        return items;
    GVariantIter iter;
    g_variant_iter_init(&iter, value);
    const char* item = nullptr;
    while (g_variant_iter_next(&iter, "&s", &item))
        items.emplace_back(item);
    g_variant_unref(value);
    return items;
}

} // namespace stillmark::test
