#pragma once
// One Stillmark per session. The first copy owns the session bus name org.stillmark.Stillmark and
// answers org.freedesktop.Application's Activate by showing its window; a later copy asks it to and
// ends. Without a session bus, a lock keeps a second copy out: in $XDG_RUNTIME_DIR, else (no such
// folder, or no usable lock there) in the program's own folder.
#include <filesystem>
#include <functional>
#include <gio/gio.h>

namespace stillmark {

class SingleInstance {
public:
    enum class Answer {
        Shown,       // the first copy shows its window
        Unreachable, // only a lock tells of the first copy: there is no way to ask it
        Silent,      // it owns the name but does not answer, or answers with an error
    };

    // `show` runs in the first copy (in the main loop) each time another start asks for the window.
    // lockFolder: the user's own folder for the lock when $XDG_RUNTIME_DIR has none.
    SingleInstance(std::function<void()> show, std::filesystem::path lockFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy is the session's Stillmark (also when neither bus nor lock is to be had).
    bool IsFirst() const { return m_first; }
    // A later copy: asks the first to show its window.
    Answer AskFirstToShow();

private:
    bool ClaimBusName();
    bool ClaimLock();
    // Whether a lock at `path` could be taken: no is another copy; no lock is to be had there
    // leaves m_lock closed.
    bool TakeLock(const std::filesystem::path& path);
    static void OnMethodCall(GDBusConnection*, const char*, const char*, const char*, const char*, GVariant*,
                             GDBusMethodInvocation* invocation, void* self);

    std::function<void()> m_show;
    std::filesystem::path m_lockFolder;
    GDBusConnection* m_bus = nullptr;
    unsigned m_objectId = 0;
    int m_lock = -1;
    bool m_first = true;
    bool m_byLock = false; // the lock, not the bus name, decided
};

} // namespace stillmark
