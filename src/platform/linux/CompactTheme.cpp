#include "ui/common/CompactTheme.h"

#include <gtk/gtk.h>

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
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen)
        return;
    // The lists show no column headers, yet GTK measures them: their bold face would be loaded
    // (half a megabyte) for nothing.
    AddCss(screen, "treeview.view header button { font-weight: normal; }");

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

} // namespace stillmark
