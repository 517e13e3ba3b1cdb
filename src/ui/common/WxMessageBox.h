#pragma once
#include "base/MessageBox.h"

namespace stillmark {

// The desktop's message box, shown modally over the program's windows.
class WxMessageBox final : public MessageBox {
public:
    void Show(const std::string& text, MessageIcon icon) override;
};

} // namespace stillmark
