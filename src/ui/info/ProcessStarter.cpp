#include "ui/info/ProcessStarter.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace stillmark {
namespace {

class SpawnProcessStarter final : public IProcessStarter {
public:
    ProcessOutcome Start(const std::vector<std::string>& argv,
                         std::chrono::milliseconds waitAtMost) override {
        if (argv.empty())
            return {ProcessOutcome::Kind::NotStarted, ENOENT};
        std::vector<char*> args;
        for (const auto& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);

        pid_t pid = 0;
        const int err = posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ);
        if (err != 0)
            return {ProcessOutcome::Kind::NotStarted, err};

        // The opener hands the target on and ends within moments; poll briefly for its status.
        const auto deadline = std::chrono::steady_clock::now() + waitAtMost;
        for (;;) {
            int status = 0;
            const pid_t done = waitpid(pid, &status, WNOHANG);
            if (done == pid) {
                if (WIFEXITED(status))
                    return {ProcessOutcome::Kind::Exited, WEXITSTATUS(status)};
                return {ProcessOutcome::Kind::Signalled, WIFSIGNALED(status) ? WTERMSIG(status) : 0};
            }
            if (done == -1 && errno != EINTR)
                return {ProcessOutcome::Kind::StillRunning, 0}; // reaped elsewhere: it started
            if (std::chrono::steady_clock::now() >= deadline)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        // Still running (a browser, or a slow opener): collect its status whenever it ends, so it
        // leaves no zombie behind. The waiting thread touches nothing but this child.
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
            }
        }).detach();
        return {ProcessOutcome::Kind::StillRunning, 0};
    }
};

IProcessStarter* g_override = nullptr;

} // namespace

IProcessStarter& AppProcessStarter() {
    static SpawnProcessStarter spawner;
    return g_override ? *g_override : spawner;
}

void SetAppProcessStarter(IProcessStarter* starter) {
    g_override = starter;
}

} // namespace stillmark
