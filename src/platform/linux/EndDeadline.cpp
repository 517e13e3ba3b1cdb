#include "platform/linux/EndDeadline.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace stillmark {

namespace {

int g_wake[2] = {-1, -1};
std::atomic<bool> g_armed{false};
struct sigaction g_previous[NSIG];

void OnEndSignal(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    ArmEndDeadline();
    errno = savedErrno;
    const struct sigaction& previous = g_previous[signal];
    if (previous.sa_flags & SA_SIGINFO) {
        if (previous.sa_sigaction)
            previous.sa_sigaction(signal, info, context);
    } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN && previous.sa_handler) {
        previous.sa_handler(signal);
    }
}

} // namespace

void StartEndDeadline() {
    if (g_wake[0] >= 0 || ::pipe2(g_wake, O_CLOEXEC) != 0)
        return;
    std::thread([] {
        char byte = 0;
        while (::read(g_wake[0], &byte, 1) < 0 && errno == EINTR) {
        }
        std::this_thread::sleep_for(kEndDeadline);
        // A raw write, not wxLog: the main thread, which would flush a message logged here, is the
        // one held up; and nothing but write and _exit is safe while that thread may hold any lock.
        static const char message[] = "stillmark: the program did not end in time; it ends now\n";
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, sizeof message - 1);
        _exit(0);
    }).detach();
}

void ArmEndDeadline() {
    if (g_wake[1] < 0 || g_armed.exchange(true))
        return;
    const char byte = 1;
    // Called from a signal handler: write is async-signal-safe, wxLog and the main loop are not.
    [[maybe_unused]] const ssize_t written = ::write(g_wake[1], &byte, 1);
}

void ArmEndDeadlineOnSignals(std::initializer_list<int> signals) {
    for (int signal : signals) {
        struct sigaction action {};
        action.sa_sigaction = OnEndSignal;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, &g_previous[signal]);
    }
}

} // namespace stillmark
