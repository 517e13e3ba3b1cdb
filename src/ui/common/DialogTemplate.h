#pragma once
// Gives a dialog loaded from a resource template the template's geometry in dialog units of the
// dialog's own font, whatever the desktop's font is. The resource loader converts the dialog's
// size before it applies a template's font and rounds the units to whole pixels; this converts
// the dialog's client size and every control the template places (by <pos> and <size>) with the
// font the dialog really has, and grows the units where GTK needs more room for a control's
// content than the template gives it, so nothing is clipped at any font size.
#include <wx/string.h>

#include "ui/common/DialogUnits.h"

class wxDialog;
class wxWindow;

namespace stillmark {

// The room a control's content needs (pixels) on the sides where clipping shows: both sides of
// labels, pictures, buttons and check boxes, the height of one-line text fields and combo boxes;
// 0 on the other sides. Multi-line fields, lists and frames need none.
wxSize ContentNeeds(wxWindow& control);

// The dialog's dialog units from its font alone.
DialogUnitScale FontScale(const wxWindow& dialog);

// Lays the dialog out from its template `resourceName` (already loaded into wxXmlResource).
// Call it right after loading, before controls are added or reordered: controls are matched to
// the template in creation order. A template whose controls sit in sizers gets its size only.
// Returns the units used; {0, 0} when the resource is unknown (the dialog is left as it is).
DialogUnitScale ApplyDialogTemplate(wxDialog& dialog, const wxString& resourceName);

} // namespace stillmark
