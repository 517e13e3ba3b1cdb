#pragma once
// Watches the desktop for notification areas coming and going: the StatusNotifierWatcher's name on the
// session bus (and its hosts registering), and the owner of the X11 tray's selection. Each change is
// reported once, from the main loop, after the events that caused it.
#include <functional>
#include <memory>

namespace stillmark {

class TrayHostWatch {
public:
    virtual ~TrayHostWatch() = default;
};

// Watches until the result is destroyed. Without a session bus or an X11 display that part is not
// watched.
std::unique_ptr<TrayHostWatch> WatchTrayHosts(std::function<void()> onChange);

} // namespace stillmark
