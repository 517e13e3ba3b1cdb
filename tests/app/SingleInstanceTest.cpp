// One Stillmark a session, on the bus the test runs on (see CMakeLists.txt: one that grants the
// program's name, one that refuses it): of two copies started one after the other, only the first runs.
#include "platform/linux/SingleInstance.h"
#include "TempFolder.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace stillmark {
namespace {

using namespace std::chrono_literals;

constexpr const char* kCopyVariable = "STILLMARK_TEST_COPY";

constexpr const char* kLockFolderVariable = "STILLMARK_TEST_LOCK_FOLDER";

// A copy of the program's start in a process of its own: this test program, running OneCopy. An empty
// runtime folder: none is set. noBus: the session bus cannot be reached.
class Copy {
public:
    explicit Copy(const std::filesystem::path& runtimeFolder, const std::filesystem::path& lockFolder = {},
                  bool noBus = false) {
        int out[2];
        if (::pipe(out) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            setenv(kCopyVariable, "1", 1);
            if (runtimeFolder.empty())
                unsetenv("XDG_RUNTIME_DIR");
            else
                setenv("XDG_RUNTIME_DIR", runtimeFolder.c_str(), 1);
            setenv(kLockFolderVariable, lockFolder.c_str(), 1);
            if (noBus)
                setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
            const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
            ::execl(self.c_str(), self.c_str(), "--gtest_filter=SingleInstanceTest.OneCopy", nullptr);
            _exit(127);
        }
        ::close(out[1]);
        m_out = out[0];
    }
    ~Copy() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0)
            ::close(m_out);
    }
    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;

    // "first" or "second", as the copy found itself; "" when it did not tell within the time.
    std::string Role() {
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < end) {
            for (const char* role : {"first", "second"})
                if (m_output.find(std::string("copy: ") + role + "\n") != std::string::npos)
                    return role;
            pollfd ready{m_out, POLLIN, 0};
            if (::poll(&ready, 1, 100) <= 0)
                continue;
            char buffer[512];
            const ssize_t got = ::read(m_out, buffer, sizeof buffer);
            if (got <= 0)
                break;
            m_output.append(buffer, static_cast<std::size_t>(got));
        }
        return "";
    }
    const std::string& Output() const { return m_output; }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_output;
};

TEST(SingleInstanceTest, OneCopy) {
    if (!std::getenv(kCopyVariable))
        GTEST_SKIP() << "runs only as a copy started by TwoCopiesNeverBothRun";
    SingleInstance instance([] {}, std::getenv(kLockFolderVariable));
    std::printf("copy: %s\n", instance.IsFirst() ? "first" : "second");
    std::fflush(stdout);
    std::this_thread::sleep_for(30s); // holds the name or the lock until the test ends it
}

TEST(SingleInstanceTest, TwoCopiesNeverBothRun) {
    if (!std::getenv("STILLMARK_TEST_BUS"))
        GTEST_SKIP() << "runs on a session bus of its own (the app_single_instance tests)";
    test::TempFolder runtime;
    Copy first(runtime.Path());
    ASSERT_EQ(first.Role(), "first") << first.Output();
    Copy second(runtime.Path());
    EXPECT_EQ(second.Role(), "second") << second.Output();
}

// Without a session bus and without a usable lock in the runtime folder (none set, or a link at the
// lock's path), the lock goes to the program's own folder, made private; still only one copy runs.
TEST(SingleInstanceTest, WithoutBusOrRuntimeLockTheOwnFolderKeepsTheLock) {
    const struct {
        const char* name;
        bool runtimeFolder;
        bool danglingLink;
    } cases[] = {{"no runtime folder", false, false}, {"a dangling link at the lock", true, true}};
    for (const auto& c : cases) {
        test::TempFolder runtime;
        test::TempFolder own;
        const std::filesystem::path lockFolder = own.Path() / "stillmark";
        if (c.danglingLink)
            std::filesystem::create_symlink(own.Path() / "elsewhere", runtime.Path() / "stillmark.lock");
        const std::filesystem::path runtimeFolder =
            c.runtimeFolder ? runtime.Path() : std::filesystem::path();
        Copy first(runtimeFolder, lockFolder, true);
        ASSERT_EQ(first.Role(), "first") << c.name << first.Output();
        Copy second(runtimeFolder, lockFolder, true);
        EXPECT_EQ(second.Role(), "second") << c.name << second.Output();
        EXPECT_EQ(std::filesystem::status(lockFolder).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_all)
            << c.name;
        EXPECT_FALSE(std::filesystem::exists(own.Path() / "elsewhere"))
            << c.name << ": the link was not followed";
    }
}

} // namespace
} // namespace stillmark
