// The wake timer on Windows' absolute timer, and the broadcasts that make the reminder read the clock
// again, sent as Windows sends them: to every top-level window.
#include "platform/windows/WaitableWakeTimer.h"
#include "EventPump.h"
#include "platform/windows/SystemEvents.h"

#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <vector>
#include <wtsapi32.h>
#include <wx/evtloop.h>

namespace stillmark {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

void Broadcast(UINT message, WPARAM wParam) {
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, message, wParam, 0, SMTO_ABORTIFHUNG, 2000, &answer);
}

TEST(WaitableWakeTimerTest, WakesOnceWhenTheClockReachesTheLatestArming) {
    WaitableWakeTimer timer;
    std::vector<system_clock::time_point> wakes;
    const auto handler = [&] { wakes.push_back(system_clock::now()); };
    const std::time_t soon = system_clock::to_time_t(system_clock::now()) + 2;

    timer.Arm(soon + 3600, handler);
    timer.Arm(soon, handler); // replaces the first
    ASSERT_TRUE(test::PumpUntil([&] { return !wakes.empty(); }, 5s)) << "the timer never fired";
    EXPECT_GE(wakes[0], system_clock::from_time_t(soon));
    EXPECT_LT(wakes[0], system_clock::from_time_t(soon) + 1s);

    test::PumpEvents(300ms);
    EXPECT_EQ(wakes.size(), 1u) << "one arming, one wake";

    timer.Arm(soon + 1, handler);
    timer.Disarm();
    test::PumpEvents(2500ms);
    EXPECT_EQ(wakes.size(), 1u) << "a disarmed timer woke";
}

// The main loop waits for messages and nothing else; the wake must end that wait itself. A helper
// thread ends the loop after five seconds in any case.
TEST(WaitableWakeTimerTest, WakesTheWaitingMainLoopOnTime) {
    WaitableWakeTimer timer;
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    const std::time_t soon = system_clock::to_time_t(system_clock::now()) + 2;
    std::optional<system_clock::time_point> woken;
    timer.Arm(soon, [&] {
        woken = system_clock::now();
        loop.Exit();
    });
    const HANDLE ended = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const DWORD mainThread = ::GetCurrentThreadId();
    std::thread deadline([&] {
        if (::WaitForSingleObject(ended, 5000) == WAIT_TIMEOUT)
            ::PostThreadMessageW(mainThread, WM_QUIT, 0, 0);
    });
    loop.Run();
    ::SetEvent(ended);
    deadline.join();
    ::CloseHandle(ended);
    ASSERT_TRUE(woken) << "the wake never reached the waiting main loop";
    EXPECT_LT(*woken, system_clock::from_time_t(soon) + 1s);
}

TEST(WaitableWakeTimerTest, APastMomentWakesAtOnce) {
    WaitableWakeTimer timer;
    bool woken = false;
    timer.Arm(system_clock::to_time_t(system_clock::now()) - 60, [&] { woken = true; });
    EXPECT_TRUE(test::PumpUntil([&] { return woken; }, 1s));
}

TEST(SystemEventsTest, TheClockSetAResumeAndTheSessionsLockAreHeard) {
    int clockMoves = 0;
    SystemEvents events([&] { ++clockMoves; });
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        int clockMoves;
        bool locked;
    } cases[] = {
        {"the clock set or a new zone", WM_TIMECHANGE, 0, 1, false},
        {"a resume from sleep", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 2, false},
        {"going to sleep", WM_POWERBROADCAST, PBT_APMSUSPEND, 2, false},
        {"the session locked", WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 2, true},
        {"the screen handed to another user", WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, 2, false},
        {"another user switched away from", WM_WTSSESSION_CHANGE, WTS_CONSOLE_DISCONNECT, 2, true},
        {"the session unlocked", WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 2, false},
    };
    for (const auto& c : cases) {
        Broadcast(c.message, c.wParam);
        EXPECT_EQ(clockMoves, c.clockMoves) << c.name;
        EXPECT_EQ(events.SessionLocked(), c.locked) << c.name;
    }
}

TEST(SystemEventsTest, TheProgramsTimerWakesWhenTheClockMayHaveMoved) {
    WaitableWakeTimer timer;
    SystemEvents events([&] { timer.ClockMayHaveMoved(); });
    int wakes = 0;
    timer.Arm(system_clock::to_time_t(system_clock::now()) + 3600, [&] { ++wakes; });
    Broadcast(WM_TIMECHANGE, 0);
    EXPECT_EQ(wakes, 1);
}

} // namespace
} // namespace stillmark
