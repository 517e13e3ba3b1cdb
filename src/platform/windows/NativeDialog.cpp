#include "ui/common/NativeDialog.h"

namespace stillmark {

// wx's message and file dialogs on Windows run the system's own loop, which no call of wx ends: the
// ending's deadline ends the process instead.
bool EndNativeDialog(wxDialog&) {
    return false;
}

} // namespace stillmark
