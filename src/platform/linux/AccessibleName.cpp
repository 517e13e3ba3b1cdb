#include "ui/common/AccessibleName.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace stillmark {

namespace {
// GTK leaves out the bridge to screen readers when told so: then nobody can read a name, and
// naming would only make the accessible objects.
bool ScreenReadersCanAsk() {
    return g_getenv("NO_AT_BRIDGE") == nullptr;
}
} // namespace

void SetAccessibleName(wxWindow& control, const wxString& name) {
    GtkWidget* widget = control.GetHandle();
    if (!widget || !ScreenReadersCanAsk())
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
    if (GtkWidget* widget = control.GetHandle(); widget && ScreenReadersCanAsk())
        atk_object_set_role(gtk_widget_get_accessible(widget), ATK_ROLE_LINK);
}

} // namespace stillmark
