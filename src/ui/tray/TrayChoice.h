#pragma once
// Which kind of icon the desktop can show, decided without any window.
namespace stillmark {

enum class TrayKind { StatusNotifier, XEmbed, None };

// A StatusNotifierItem where a watcher has a host registered (the panels of today), else an XEmbed
// icon where the display is X11 and an X11 tray exists, else none (the window then minimises itself).
TrayKind ChooseTrayKind(bool statusNotifierHostRegistered, bool x11Display, bool xembedTrayAvailable);

} // namespace stillmark
