#pragma once
// What Windows tells only its top-level windows: the clock was set or the time zone changed, the
// machine resumed from sleep, the session was locked or unlocked. A hidden top-level window of its own
// receives it (a message-only window would not: these are broadcasts).
#include "platform/windows/HiddenWindow.h"

#include <functional>
#include <optional>

namespace stillmark {

class SystemEvents final {
public:
    // clockMayHaveMoved: called after the clock was set, the time zone changed (the C library's zone is
    // read again first) or the machine resumed.
    explicit SystemEvents(std::function<void()> clockMayHaveMoved);
    ~SystemEvents();
    SystemEvents(const SystemEvents&) = delete;
    SystemEvents& operator=(const SystemEvents&) = delete;

    // Whether the session is locked, or its screen handed to another user, as last told.
    bool SessionLocked() const { return m_locked; }

private:
    std::optional<long long> OnMessage(unsigned message, unsigned long long wParam);

    std::function<void()> m_clockMayHaveMoved;
    bool m_locked = false;
    HiddenWindow m_window;
    bool m_sessionWatched = false;
};

} // namespace stillmark
