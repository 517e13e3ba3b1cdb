#pragma once
// Links opened the desktop's way on Linux.
#include "ui/info/LinkOpener.h"

#include <string>

namespace stillmark {

// GIO's default application for the target's scheme first; when GIO cannot launch one, the
// fallback opener (xdg-open) started with an argument vector, never through a shell; its exit status
// decides, collected by the main loop when it ends. An empty
// target or one that begins with "-" (it would read as an option) is refused with FileNotFound,
// one longer than kMaxLinkTarget with OutOfMemory.
class DesktopLinkOpener final : public LinkOpener {
public:
    explicit DesktopLinkOpener(std::string fallback = "xdg-open");
    void Open(const std::string& target, Done done) override;

private:
    void OpenWithFallback(const std::string& target, Done done);

    std::string m_fallback;
};

} // namespace stillmark
