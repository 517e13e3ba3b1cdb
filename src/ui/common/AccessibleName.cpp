#include "ui/common/AccessibleName.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace stillmark {

void SetAccessibleName(wxWindow& control, const wxString& name) {
    GtkWidget* widget = control.GetHandle();
    if (!widget)
        return;
    const wxScopedCharBuffer text = name.utf8_str();
    atk_object_set_name(gtk_widget_get_accessible(widget), text.data());
    if (GTK_IS_BIN(widget)) {
        GtkWidget* inner = gtk_bin_get_child(GTK_BIN(widget));
        if (inner && gtk_widget_get_can_focus(inner))
            atk_object_set_name(gtk_widget_get_accessible(inner), text.data());
    }
}

void MarkAsLink(wxWindow& control) {
    if (GtkWidget* widget = control.GetHandle())
        atk_object_set_role(gtk_widget_get_accessible(widget), ATK_ROLE_LINK);
}

} // namespace stillmark
