#pragma once
// What Windows tells of the person at it: the shell's notification state (presenting, a fullscreen
// game, quiet time, focus assist) and whether the input desktop is the user's (not the lock screen).
// Both are local calls that answer at once.
#include "ui/main/DesktopActivity.h"

namespace stillmark {

class ShellDesktopActivity final : public DesktopActivity {
public:
    DesktopState Now() override;
};

} // namespace stillmark
