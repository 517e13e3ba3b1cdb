#pragma once
// What the desktop tells of the person at it (locked, do-not-disturb, presenting), known from its own
// signals so that asking at a due moment never waits on another program.
#include "schedule/QuietRules.h"

namespace stillmark {

class DesktopActivity {
public:
    virtual ~DesktopActivity() = default;
    // The state as last signalled; a service that never answered counts as telling nothing.
    virtual DesktopState Now() = 0;
};

// A desktop that tells nothing: every moment is heard.
class SilentDesktop final : public DesktopActivity {
public:
    DesktopState Now() override { return {}; }
};

} // namespace stillmark
