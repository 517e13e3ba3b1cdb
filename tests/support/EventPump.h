#pragma once
#include <chrono>
#include <functional>

namespace stillmark::test {

// Runs the user-interface event loop for the given time.
void PumpEvents(std::chrono::milliseconds duration);
// Runs the event loop until the condition holds or the time-out passes; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

} // namespace stillmark::test
