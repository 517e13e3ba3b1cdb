#pragma once
// The program's message box: a text, an icon and an OK button, captioned with the application's
// name. A service handed to whoever reports to the user; tests hand in a recording double.
#include <string>

namespace stillmark {

enum class MessageIcon { Information, Exclamation, Error };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void Show(const std::string& text, MessageIcon icon) = 0;
};

} // namespace stillmark
