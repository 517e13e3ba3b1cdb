#include "ui/common/NativeDialog.h"

#include <gtk/gtk.h>
#include <wx/dialog.h>

namespace stillmark {

bool EndNativeDialog(wxDialog& dialog) {
    // A response ends GTK's dialog loop, and wx maps it to a cancel.
    auto* widget = static_cast<GtkWidget*>(dialog.GetHandle());
    if (!widget || !GTK_IS_DIALOG(widget))
        return false;
    gtk_dialog_response(GTK_DIALOG(widget), GTK_RESPONSE_DELETE_EVENT);
    return true;
}

} // namespace stillmark
