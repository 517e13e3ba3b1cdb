#include "platform/windows/WaitableWakeTimer.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <wx/log.h>

namespace stillmark {
namespace {

// Windows counts in 100 ns steps from 1601; the C library in seconds from 1970.
constexpr long long kTicksPerSecond = 10'000'000;
constexpr long long kSecondsFrom1601To1970 = 11'644'473'600;
// Far enough for any moment, small enough for the tick count to fit.
constexpr std::time_t kLatest = 32'503'680'000; // the year 3000

constexpr UINT kFiredMessage = WM_APP + 1;

} // namespace

void WaitableWakeTimer::HandleCloser::operator()(void* handle) const {
    ::CloseHandle(handle);
}

WaitableWakeTimer::WaitableWakeTimer()
    : m_timer(::CreateWaitableTimerW(nullptr, FALSE, nullptr)),
      m_stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_window(L"StillmarkWakeTimer", HiddenWindow::Kind::MessageOnly,
               [this](unsigned message, unsigned long long arming) -> std::optional<long long> {
                   if (message != kFiredMessage)
                       return std::nullopt;
                   OnFired(static_cast<unsigned>(arming));
                   return 0;
               }) {
    if (!m_timer || !m_stop || !m_window.Handle()) {
        wxLogError("no wall-clock timer (error %lu): moments cannot alert", ::GetLastError());
        return;
    }
    m_waiter = std::thread([this] { Wait(); });
}

WaitableWakeTimer::~WaitableWakeTimer() {
    if (m_waiter.joinable()) {
        ::SetEvent(m_stop.get());
        m_waiter.join();
    }
}

void WaitableWakeTimer::Arm(std::optional<std::time_t> when, std::function<void()> onWake) {
    m_when = when;
    m_onWake = std::move(onWake);
    SetTimer();
}

void WaitableWakeTimer::Disarm() {
    m_when.reset();
    m_onWake = nullptr;
    SetTimer();
}

void WaitableWakeTimer::SetTimer() {
    ++m_arming;
    if (!m_timer)
        return;
    if (!m_when || !m_onWake) {
        ::CancelWaitableTimer(m_timer.get());
        return;
    }
    // A positive due time is absolute, in UTC: a past one fires at once.
    LARGE_INTEGER due;
    due.QuadPart = (std::clamp<std::time_t>(*m_when, 0, kLatest) + kSecondsFrom1601To1970) * kTicksPerSecond;
    if (!::SetWaitableTimer(m_timer.get(), &due, 0, nullptr, nullptr, FALSE))
        wxLogError("cannot arm the wall-clock timer (error %lu)", ::GetLastError());
}

void WaitableWakeTimer::Wait() {
    const HANDLE handles[] = {m_stop.get(), m_timer.get()};
    while (::WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        // Not wx's CallAfter: its wake-up from another thread may not end the main loop's wait.
        ::PostMessageW(m_window.Handle(), kFiredMessage, m_arming, 0);
    }
}

void WaitableWakeTimer::OnFired(unsigned arming) {
    if (arming != m_arming || !m_when)
        return;
    // The system's coarse clock may still read the second before: the timer then fires again.
    if (std::chrono::system_clock::now() < std::chrono::system_clock::from_time_t(*m_when)) {
        SetTimer();
        return;
    }
    ClockMayHaveMoved();
}

void WaitableWakeTimer::ClockMayHaveMoved() {
    // The handler arms again, which replaces m_onWake: call a copy.
    if (const std::function<void()> onWake = m_onWake)
        onWake();
}

} // namespace stillmark
