#pragma once
// The tests' one way to let the main loop run: with wxWidgets started, its own loop (events waiting
// in wx included); without it, GLib's default main context, which wx and GStreamer share.
#include <chrono>
#include <functional>

namespace stillmark::test {

// Runs the main loop for the given time.
void PumpEvents(std::chrono::milliseconds duration);
// Runs the main loop until the condition holds or the time-out passes; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

} // namespace stillmark::test
