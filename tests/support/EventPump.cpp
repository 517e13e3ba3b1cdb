#include "EventPump.h"

#include <thread>
#ifdef __WXGTK__
#include <glib.h>
#endif
#include <wx/app.h>

namespace stillmark::test {

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        if (wxTheApp) {
            wxTheApp->Yield(true);
            std::this_thread::sleep_for(5ms);
        } else {
#ifdef __WXGTK__
            if (!g_main_context_iteration(nullptr, FALSE))
#endif
                std::this_thread::sleep_for(2ms);
        }
    }
    return true;
}

void PumpEvents(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

} // namespace stillmark::test
