#pragma once
// Asks the session bus whether a StatusNotifierItem host (a panel) is there to show items.
namespace stillmark {

// A watcher runs and reports a registered host. Waits half a second at most; starts no watcher.
bool IsStatusNotifierHostRegistered();

} // namespace stillmark
