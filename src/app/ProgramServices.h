#pragma once
// Every service of the program, built by the platform in one place at start-up and living until the
// program ends. Each platform has one implementation, made by its MakeProgramServices.
#include "ui/main/MainWindowServices.h"

#include <functional>
#include <memory>
#include <string_view>

namespace stillmark {

// What the platform asks of the program while it runs.
struct EndingRequests {
    std::function<void()> endOnRequest; // a signal or the session asks the program to end
    std::function<void()> saveNow;      // the display is lost: the process ends right after this
};

class ProgramServices {
public:
    virtual ~ProgramServices() = default;

    virtual MainWindowServices ForMainWindow() = 0;
    // From here on the platform's requests to end reach `requests`.
    virtual void WatchEnding(EndingRequests requests) = 0;
    // The program is ending: whatever still runs, the process is gone within a second.
    virtual void ArmEndDeadline() = 0;
};

// argv0: the command that started the program, started again at log-in.
std::unique_ptr<ProgramServices> MakeProgramServices(std::string_view argv0);

} // namespace stillmark
