#pragma once
// Opening a link the user clicked: on failure a beep and the message that says why.
#include <functional>
#include <string>

namespace stillmark {

class LinkOpener;
class MessageBox;

// `opened` learns whether the target was opened, once the opener knows.
void OpenAndExplain(LinkOpener& opener, MessageBox& messages, const std::string& target,
                    std::function<void(bool)> opened = {});

} // namespace stillmark
