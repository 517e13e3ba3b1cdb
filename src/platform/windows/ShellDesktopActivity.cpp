#include "platform/windows/ShellDesktopActivity.h"

#include "platform/windows/SystemEvents.h"

#include <windows.h>

#include <shellapi.h>

namespace stillmark {

namespace {

// On the lock screen (and the secure desktop) the input desktop is not one the user's programs may
// open.
bool SessionLocked() {
    HDESK input = ::OpenInputDesktop(0, FALSE, DESKTOP_SWITCHDESKTOP);
    if (!input)
        return true;
    const bool locked = !::SwitchDesktop(input);
    ::CloseDesktop(input);
    return locked;
}

} // namespace

DesktopState ShellDesktopActivity::Now() {
    DesktopState state;
    state.locked = m_system.SessionLocked() || SessionLocked();
    QUERY_USER_NOTIFICATION_STATE shell{};
    if (::SHQueryUserNotificationState(&shell) == S_OK) {
        state.presenting =
            shell == QUNS_BUSY || shell == QUNS_RUNNING_D3D_FULL_SCREEN || shell == QUNS_PRESENTATION_MODE;
        state.doNotDisturb = shell == QUNS_QUIET_TIME;
    }
    return state;
}

} // namespace stillmark
