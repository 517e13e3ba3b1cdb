#pragma once
// Once the program is asked to end, it is gone within a second, even when its main loop is held up
// (a library busy at start-up, a service that does not answer, a loop that will not return). The
// signals that ask it to end start the count themselves, from their handler, so that a blocked main
// loop cannot delay it; the settings were written by then, or by the ordinary ending.
#include <chrono>
#include <initializer_list>

namespace stillmark {

inline constexpr std::chrono::milliseconds kEndDeadline{900};

// Starts the thread that waits to end the process. Call once, early.
void StartEndDeadline();
// The deadline starts now (once; later calls change nothing). Safe in a signal handler.
void ArmEndDeadline();
// These signals arm the deadline as they arrive, then reach the handler already installed for them
// (GLib's, which asks the main loop to end the program).
void ArmEndDeadlineOnSignals(std::initializer_list<int> signals);

} // namespace stillmark
