#include "ui/main/TextAreaWidth.h"

#include <algorithm>
#include <windows.h>
#include <wx/textctrl.h>

namespace stillmark {

int TextAreaWidth(wxTextCtrl& field) {
    // The edit control's formatting rectangle: where it lays out its text.
    RECT area{};
    if (const auto edit = static_cast<HWND>(field.GetHWND())) {
        ::SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        if (area.right > area.left)
            return static_cast<int>(area.right - area.left);
    }
    return std::max(field.GetClientSize().x, 0);
}

} // namespace stillmark
