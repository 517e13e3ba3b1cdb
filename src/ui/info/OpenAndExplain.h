#pragma once
// Opening a link the user clicked: on failure a beep and the message that says why.
#include <string>

namespace stillmark {

class LinkOpener;
class MessageBox;

// True when the target was opened.
bool OpenAndExplain(LinkOpener& opener, MessageBox& messages, const std::string& target);

} // namespace stillmark
