#pragma once
// Opening a link target (a web page, a mail address, a local file) with the desktop's default
// application. A service: the About box and the donation page receive it through their constructors.
#include <chrono>
#include <string>

#include "ui/info/OpenResult.h"

namespace stillmark {

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual OpenResult Open(const std::string& target) = 0;
};

// The longest target handed on: with "xdg-open " in front it fits 519 bytes.
inline constexpr std::size_t kMaxLinkTarget = 510;

// GIO's default application for the target's scheme first; when GIO cannot launch one, the
// fallback opener (xdg-open) started with an argument vector, never through a shell. An empty
// target or one that begins with "-" (it would read as an option) is refused with FileNotFound,
// one longer than kMaxLinkTarget with OutOfMemory.
class DesktopLinkOpener final : public LinkOpener {
public:
    // fallbackWait: how long a click waits for the fallback's verdict (it normally answers at once);
    // a fallback still running then counts as opened.
    explicit DesktopLinkOpener(std::string fallback = "xdg-open",
                               std::chrono::milliseconds fallbackWait = std::chrono::seconds(3));
    OpenResult Open(const std::string& target) override;

private:
    OpenResult OpenWithFallback(const std::string& target);

    std::string m_fallback;
    std::chrono::milliseconds m_fallbackWait;
};

} // namespace stillmark
