// What the shell tells of an ordinary session: nobody presenting, no quiet time, not locked; and the
// session's lock as the broadcast tells it.
#include "platform/windows/ShellDesktopActivity.h"
#include "platform/windows/SystemEvents.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <wtsapi32.h>

namespace stillmark {
namespace {

TEST(ShellDesktopActivityTest, AnOrdinarySessionIsNeitherLockedNorBusyAndALockIsHeard) {
    SystemEvents events([] {});
    ShellDesktopActivity desktop(events);
    for (int i = 0; i < 100; ++i) {
        const DesktopState state = desktop.Now();
        ASSERT_FALSE(state.locked) << "reading " << i;
        ASSERT_FALSE(state.presenting) << "reading " << i;
        ASSERT_FALSE(state.doNotDisturb) << "reading " << i;
    }
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0, SMTO_ABORTIFHUNG, 2000,
                          &answer);
    EXPECT_TRUE(desktop.Now().locked);
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0, SMTO_ABORTIFHUNG, 2000,
                          &answer);
    EXPECT_FALSE(desktop.Now().locked);
}

} // namespace
} // namespace stillmark
