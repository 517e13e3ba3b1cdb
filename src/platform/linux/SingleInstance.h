#pragma once
// One Stillmark per session. The first copy owns the session bus name org.stillmark.Stillmark and
// answers org.freedesktop.Application's Activate by showing its window; a later copy asks it to and
// ends. Without a session bus, a lock in $XDG_RUNTIME_DIR keeps a second copy out.
#include <functional>
#include <gio/gio.h>

namespace stillmark {

class SingleInstance {
public:
    // `show` runs in the first copy (in the main loop) each time another start asks for the window.
    explicit SingleInstance(std::function<void()> show);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy is the session's Stillmark (also when neither bus nor lock is to be had).
    bool IsFirst() const { return m_first; }
    // A later copy: asks the first to show its window. False when it did not answer.
    bool AskFirstToShow();

private:
    bool ClaimBusName();
    bool ClaimLock();
    static void OnMethodCall(GDBusConnection*, const char*, const char*, const char*, const char*, GVariant*,
                             GDBusMethodInvocation* invocation, void* self);

    std::function<void()> m_show;
    GDBusConnection* m_bus = nullptr;
    unsigned m_objectId = 0;
    int m_lock = -1;
    bool m_first = true;
};

} // namespace stillmark
