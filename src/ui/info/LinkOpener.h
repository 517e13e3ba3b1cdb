#pragma once
// Opening a link target: the desktop's opener first, the web browser's own command after it fails.
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "ui/info/ProcessStarter.h"

namespace stillmark {

inline constexpr const char* kDesktopOpener = "xdg-open";
// How long the click waits for the opener's verdict; it normally answers within a second.
inline constexpr std::chrono::milliseconds kOpenerWait{3000};

using BrowserCommandLookup = std::function<std::optional<std::string>()>;

// Returns an open result (greater than 32 on success, see LinkRules.h). When the opener fails and
// no browser command is found, the opener's result is returned. An empty target or one that
// begins with "-" (it would read as an option) is refused with "file not found".
int OpenLink(const std::string& target, IProcessStarter& starter,
             const BrowserCommandLookup& findBrowserCommand);

} // namespace stillmark
