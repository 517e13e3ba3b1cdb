#include "EventPump.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

namespace stillmark::test {

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

void PumpEvents(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

} // namespace stillmark::test
