#pragma once
// What Windows tells of the person at it: the shell's notification state (presenting, a fullscreen
// game, quiet time, focus assist) and whether the input desktop is the user's (not the lock screen).
// Both are local calls that answer at once; the session's lock as SystemEvents last heard it besides.
#include "ui/main/DesktopActivity.h"

namespace stillmark {

class SystemEvents;

class ShellDesktopActivity final : public DesktopActivity {
public:
    explicit ShellDesktopActivity(const SystemEvents& system) : m_system(system) {}

    DesktopState Now() override;

private:
    const SystemEvents& m_system;
};

} // namespace stillmark
