#include "ui/tray/TrayMenuPoster.h"

#include <wx/event.h>
#include <wx/window.h>

namespace stillmark {

void PostMenuChoice(wxWindow& owner, int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(&owner);
    wxPostEvent(owner.GetEventHandler(), command);
}

} // namespace stillmark
