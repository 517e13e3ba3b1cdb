// A request to end while the main loop is held up: the signal's own handler starts the deadline, and
// the process is gone within a second with status 0; with the loop running, the loop ends it first.
#include "platform/linux/EndDeadline.h"

#include <chrono>
#include <csignal>
#include <glib-unix.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace stillmark {
namespace {

using namespace std::chrono_literals;

constexpr int kLoopEnded = 3; // the status of a child whose main loop ended it

// In a child: the program's way of watching the signal, then a main loop that runs or is held up.
[[noreturn]] void RunChild(bool loopHeldUp, int ready) {
    StartEndDeadline();
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    g_unix_signal_add(
        SIGTERM,
        [](gpointer data) {
            g_main_loop_quit(static_cast<GMainLoop*>(data));
            return G_SOURCE_REMOVE;
        },
        loop);
    ArmEndDeadlineOnSignals({SIGTERM});
    [[maybe_unused]] const ssize_t written = ::write(ready, "r", 1);
    if (loopHeldUp) {
        for (;;)
            std::this_thread::sleep_for(1h); // a library busy, a call that never returns
    }
    g_main_loop_run(loop);
    _exit(kLoopEnded);
}

TEST(EndDeadlineTest, ASignalEndsTheProcessWithinASecondWhateverTheMainLoopDoes) {
    const struct {
        const char* name;
        bool loopHeldUp;
        int status;
    } cases[] = {
        {"the main loop held up: the deadline ends it", true, 0},
        {"the main loop runs: it ends the program itself", false, kLoopEnded},
    };
    for (const auto& c : cases) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            RunChild(c.loopHeldUp, ready[1]);
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1) << c.name;
        ::close(ready[0]);

        ::kill(child, SIGTERM);
        const auto asked = std::chrono::steady_clock::now();
        int status = 0;
        pid_t ended = 0;
        while ((ended = ::waitpid(child, &status, WNOHANG)) == 0 &&
               std::chrono::steady_clock::now() - asked < 3s)
            std::this_thread::sleep_for(10ms);
        const auto took = std::chrono::steady_clock::now() - asked;
        if (ended == 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ADD_FAILURE() << c.name << ": still running after 3 s";
            continue;
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.status) << c.name << ": status " << status;
        EXPECT_LT(took, 1s) << c.name;
    }
}

} // namespace
} // namespace stillmark
