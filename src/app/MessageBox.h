#pragma once
// The program's message box: a text, an icon and an OK button, captioned with the
// application's name. Tests hand in a recording double so no modal box ever blocks them.
#include <string>

namespace stillmark {

enum class MessageIcon { Information, Exclamation, Error };

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void Show(const std::string& text, MessageIcon icon) = 0;
};

// The box in force: the real one unless a test installed another.
IMessageBox& AppMessageBox();
// Installs a replacement (nullptr restores the real box). The caller keeps ownership.
void SetAppMessageBox(IMessageBox* box);

} // namespace stillmark
