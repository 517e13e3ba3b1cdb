#include "platform/windows/SystemEvents.h"

#include <windows.h>

#include <time.h>
#include <wtsapi32.h>
#include <wx/log.h>

namespace stillmark {
namespace {

constexpr wchar_t kWindowClass[] = L"StillmarkSystemEvents";

HINSTANCE ThisModule() {
    return ::GetModuleHandleW(nullptr);
}

} // namespace

SystemEvents::SystemEvents(std::function<void()> clockMayHaveMoved)
    : m_clockMayHaveMoved(std::move(clockMayHaveMoved)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &SystemEvents::WindowProcedure;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = kWindowClass;
    // A second instance of this class in the process (tests) finds it registered already.
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        wxLogError("cannot watch the clock and the session (window class: error %lu)", ::GetLastError());
        return;
    }
    // A top-level window that is never shown: broadcasts reach it, the taskbar does not list it.
    m_window = ::CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 ThisModule(), nullptr);
    if (!m_window) {
        wxLogError("cannot watch the clock and the session (window: error %lu)", ::GetLastError());
        return;
    }
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_sessionWatched = ::WTSRegisterSessionNotification(m_window, NOTIFY_FOR_THIS_SESSION);
}

SystemEvents::~SystemEvents() {
    if (!m_window)
        return;
    if (m_sessionWatched)
        ::WTSUnRegisterSessionNotification(m_window);
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    ::DestroyWindow(m_window);
}

long long __stdcall SystemEvents::WindowProcedure(HWND__* window, unsigned message, unsigned long long wParam,
                                                  long long lParam) {
    if (auto* self = reinterpret_cast<SystemEvents*>(::GetWindowLongPtrW(window, GWLP_USERDATA)))
        self->OnMessage(message, wParam);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void SystemEvents::OnMessage(unsigned message, unsigned long long wParam) {
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
}

} // namespace stillmark
