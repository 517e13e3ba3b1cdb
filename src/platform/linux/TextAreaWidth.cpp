#include "ui/main/TextAreaWidth.h"

#include <algorithm>
#include <gtk/gtk.h>
#include <wx/textctrl.h>

namespace stillmark {

int TextAreaWidth(wxTextCtrl& field) {
    auto* widget = static_cast<GtkWidget*>(field.GetHandle());
    if (widget != nullptr && GTK_IS_ENTRY(widget) && gtk_widget_get_realized(widget) &&
        gtk_widget_get_allocated_width(widget) > 1) {
        GdkRectangle area{};
        gtk_entry_get_text_area(GTK_ENTRY(widget), &area);
        if (area.width > 0)
            return area.width;
    }
    // Not laid out yet (a window before it is first shown): the field's width less the entry's
    // border and padding, as its theme gives them.
    int inner = field.GetSize().x;
    if (widget != nullptr) {
        GtkStyleContext* style = gtk_widget_get_style_context(widget);
        const GtkStateFlags state = gtk_style_context_get_state(style);
        GtkBorder padding{};
        GtkBorder border{};
        gtk_style_context_get_padding(style, state, &padding);
        gtk_style_context_get_border(style, state, &border);
        inner -= padding.left + padding.right + border.left + border.right;
    }
    return std::max(inner, 0);
}

} // namespace stillmark
