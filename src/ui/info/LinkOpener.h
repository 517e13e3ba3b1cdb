#pragma once
// Opening a link target (a web page, a mail address, a local file) with the desktop's default
// application. A service: the About box and the donation page receive it through their constructors.
#include <functional>
#include <string>

#include "ui/info/OpenResult.h"

namespace stillmark {

class LinkOpener {
public:
    using Done = std::function<void(OpenResult)>;
    virtual ~LinkOpener() = default;
    // Calls `done` once with the outcome: at once, or from the main loop when a program it started
    // has told it. Never waits.
    virtual void Open(const std::string& target, Done done) = 0;
};

// The longest target handed on: with "xdg-open " in front it fits 519 bytes.
inline constexpr std::size_t kMaxLinkTarget = 510;

} // namespace stillmark
