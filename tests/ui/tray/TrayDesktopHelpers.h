#pragma once
// Helpers of the tray's tests on the private desktop: commands, the notifications seen on the
// bus, D-Bus calls answered by this very process, and a watcher of the tests' own.
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

typedef struct _GVariant GVariant;
class wxIcon;

namespace stillmark::test {

std::string RunCommand(const std::string& command);
// Some tests run only in a child of their own test (a bus of its own, the program's main loop).
bool InChildRun();
// Runs the test testName of this very program in a child process whose command starts with wrap
// (variables and wrappers, e.g. "timeout 20"); succeeds when that test passed and the child ended well.
::testing::AssertionResult ChildTestPasses(const std::string& wrap, const std::string& testName);
// A small square icon of one colour.
wxIcon MakeTestIcon(int size = 16);
// Makes wx assertions test failures (an assertion box would block the test).
void FailOnWxAssert();

// Watches the session bus for the notification service's Notify calls.
class NotifyMonitor {
public:
    struct Notification {
        std::string appName, appIcon, summary, body;
        int expireTimeout = 0;
        std::string call; // the whole call as dbus-monitor printed it, hints included
        bool HasHint(const std::string& key, const std::string& value) const;
    };

    NotifyMonitor();
    ~NotifyMonitor();
    NotifyMonitor(const NotifyMonitor&) = delete;
    NotifyMonitor& operator=(const NotifyMonitor&) = delete;

    std::vector<Notification> Notifications() const;
    bool WaitForCount(std::size_t count) const;

private:
    std::string m_log;
    int m_pid = 0;
};

// A method call on the session bus, answered while the event loop runs (the callee may be this
// process). Returns the reply (owned by the caller) or nullptr.
GVariant* CallOnBus(const std::string& destination, const std::string& path, const std::string& interface,
                    const std::string& method, GVariant* parameters);
// One property; nullptr when missing. Owned by the caller.
GVariant* GetBusProperty(const std::string& destination, const std::string& path,
                         const std::string& interface, const std::string& name);
bool NameHasOwner(const std::string& name);

// A StatusNotifierWatcher of the test's own. With replace it takes the name over from the
// desktop's while it runs (which gets it back when this one ends); otherwise the name must be free.
class TestWatcher {
public:
    TestWatcher(bool replace, bool withHost);
    ~TestWatcher();
    TestWatcher(const TestWatcher&) = delete;
    TestWatcher& operator=(const TestWatcher&) = delete;
    bool Started() const { return m_started; }

private:
    int m_pid = 0;
    bool m_started = false;
};

std::vector<std::string> RegisteredItems();

} // namespace stillmark::test
