#pragma once
// Links opened the Windows way: the shell's handler for the target's scheme (the browser, the mail
// program), through wx.
#include "ui/info/LinkOpener.h"

namespace stillmark {

// An empty target or one that begins with "-" is refused with FileNotFound, as on every platform,
// one longer than kMaxLinkTarget with OutOfMemory; a target the shell cannot open gives NoAssociation.
class ShellLinkOpener final : public LinkOpener {
public:
    void Open(const std::string& target, Done done) override;
};

} // namespace stillmark
