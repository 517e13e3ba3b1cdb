#include "platform/windows/SystemEvents.h"

#include <windows.h>

#include <time.h>
#include <wtsapi32.h>

namespace stillmark {

SystemEvents::SystemEvents(std::function<void()> clockMayHaveMoved)
    : m_clockMayHaveMoved(std::move(clockMayHaveMoved)),
      m_window(L"StillmarkSystemEvents", HiddenWindow::Kind::TopLevel,
               [this](unsigned message, unsigned long long wParam) { return OnMessage(message, wParam); }) {
    if (m_window.Handle())
        m_sessionWatched = ::WTSRegisterSessionNotification(m_window.Handle(), NOTIFY_FOR_THIS_SESSION);
}

SystemEvents::~SystemEvents() {
    if (m_sessionWatched)
        ::WTSUnRegisterSessionNotification(m_window.Handle());
}

std::optional<long long> SystemEvents::OnMessage(unsigned message, unsigned long long wParam) {
    switch (message) {
    case WM_TIMECHANGE:
        // Also sent for a new time zone, which the C runtime otherwise keeps from its first use.
        _tzset();
        m_clockMayHaveMoved();
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC)
            m_clockMayHaveMoved();
        break;
    case WM_WTSSESSION_CHANGE:
        if (wParam == WTS_SESSION_LOCK || wParam == WTS_CONSOLE_DISCONNECT || wParam == WTS_REMOTE_DISCONNECT)
            m_locked = true;
        else if (wParam == WTS_SESSION_UNLOCK || wParam == WTS_CONSOLE_CONNECT ||
                 wParam == WTS_REMOTE_CONNECT)
            m_locked = false;
        break;
    default:
        break;
    }
    return std::nullopt; // and Windows' own handling besides
}

} // namespace stillmark
