#include "ui/common/CompactTheme.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace stillmark {

namespace {
void AddCss(GdkScreen* screen, const char* css) {
    GtkCssProvider* provider = gtk_css_provider_new();
    if (gtk_css_provider_load_from_data(provider, css, -1, nullptr))
        gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}
} // namespace

void ApplyCompactTheme() {
    static const char* const css = R"css(
entry { min-height: 0; padding-top: 0; padding-bottom: 0; padding-left: 3px; padding-right: 3px; }
button { min-height: 0; min-width: 0; padding: 0 4px; }
button.image-button { padding: 0; }
combobox entry { min-height: 0; }
combobox button, combobox box button { min-height: 0; min-width: 0; padding: 0 2px; }
checkbutton { padding: 0; min-height: 0; }
checkbutton check { min-height: 12px; min-width: 12px; margin: 0 4px 0 0; }
frame > label { padding: 0; }
)css";
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen)
        return;
    AddCss(screen, css);

    // The default theme draws check marks from SVG first, which loads the SVG renderer
    // (several megabytes) for one small tick; its own PNG rendering of the mark looks the same.
    gchar* theme = nullptr;
    g_object_get(gtk_settings_get_for_screen(screen), "gtk-theme-name", &theme, nullptr);
    if (theme && g_strcmp0(theme, "Adwaita") == 0)
        AddCss(screen, R"css(
check:checked { -gtk-icon-source: -gtk-recolor(url("resource:///org/gtk/libgtk/theme/Adwaita/assets/check-symbolic.symbolic.png")); }
check:indeterminate { -gtk-icon-source: -gtk-recolor(url("resource:///org/gtk/libgtk/theme/Adwaita/assets/dash-symbolic.symbolic.png")); }
radio:checked { -gtk-icon-source: -gtk-recolor(url("resource:///org/gtk/libgtk/theme/Adwaita/assets/bullet-symbolic.symbolic.png")); }
)css");
    g_free(theme);
}

void EnableMultilineLabel(wxWindow& checkBox) {
    GtkWidget* button = checkBox.GetHandle();
    if (!button || !GTK_IS_BIN(button))
        return;
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(button));
    if (!label || !GTK_IS_LABEL(label))
        return;
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    // Without a width hint GTK lays a wrapping label out one word a line.
    gtk_label_set_max_width_chars(GTK_LABEL(label), 10);
}

} // namespace stillmark
