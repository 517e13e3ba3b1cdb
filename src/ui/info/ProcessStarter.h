#pragma once
// Starting programs for the hyperlink: always an argument vector, never a shell, so a target
// holding quotes, semicolons or "$(...)" reaches the program as one plain argument.
#include <chrono>
#include <string>
#include <vector>

namespace stillmark {

struct ProcessOutcome {
    enum class Kind { NotStarted, Exited, Signalled, StillRunning };
    Kind kind = Kind::NotStarted;
    int value = 0; // errno for NotStarted, exit status for Exited, signal for Signalled
};

class IProcessStarter {
public:
    virtual ~IProcessStarter() = default;
    // Starts argv[0] (looked up in PATH) with argv, then waits at most waitAtMost for it to end.
    virtual ProcessOutcome Start(const std::vector<std::string>& argv,
                                 std::chrono::milliseconds waitAtMost) = 0;
};

// The starter in force: the real one (posix_spawnp) unless a test installed another.
IProcessStarter& AppProcessStarter();
// Installs a replacement (nullptr restores the real starter). The caller keeps ownership.
void SetAppProcessStarter(IProcessStarter* starter);

} // namespace stillmark
