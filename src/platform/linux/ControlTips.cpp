#include "ui/main/ControlTips.h"

#include "base/ProductIdentity.h"
#include <gtk/gtk.h>
#include <wx/window.h>

namespace stillmark {

struct ControlTips::State {
    bool enabled = true;
    GdkPixbuf* fallbackIcon = nullptr;
    ~State() {
        if (fallbackIcon)
            g_object_unref(fallbackIcon);
    }
};

namespace {

constexpr const char* kInfoIcon = "dialog-information";
constexpr const char* kTipKey = "stillmark-tip";

// One control's tip, owned by its widget.
struct Tip {
    std::string markup;
    std::shared_ptr<ControlTips::State> state;
};

gboolean OnQueryTooltip(GtkWidget* widget, gint, gint, gboolean, GtkTooltip* tooltip, gpointer) {
    const auto* tip = static_cast<const Tip*>(g_object_get_data(G_OBJECT(widget), kTipKey));
    if (!tip || !tip->state->enabled)
        return FALSE;
    gtk_tooltip_set_markup(tooltip, tip->markup.c_str());
    if (gtk_icon_theme_has_icon(gtk_icon_theme_get_default(), kInfoIcon))
        gtk_tooltip_set_icon_from_icon_name(tooltip, kInfoIcon, GTK_ICON_SIZE_DIALOG);
    else
        gtk_tooltip_set_icon(tooltip, tip->state->fallbackIcon);
    return TRUE;
}

} // namespace

ControlTips::ControlTips(const wxBitmap& fallbackIcon) : m_state(std::make_shared<State>()) {
    if (fallbackIcon.IsOk() && fallbackIcon.GetPixbuf())
        m_state->fallbackIcon = GDK_PIXBUF(g_object_ref(fallbackIcon.GetPixbuf()));
}

ControlTips::~ControlTips() = default;

bool ControlTips::IsEnabled() const {
    return m_state->enabled;
}

std::string ControlTips::Markup(std::string_view text) {
    gchar* escaped = g_markup_escape_text(text.data(), static_cast<gssize>(text.size()));
    std::string markup = std::string("<b>") + kProductName + "</b>\n" + escaped;
    g_free(escaped);
    return markup;
}

std::string ControlTips::MarkupOf(const wxWindow& control) {
    GtkWidget* widget = control.GetHandle();
    const auto* tip =
        widget ? static_cast<const Tip*>(g_object_get_data(G_OBJECT(widget), kTipKey)) : nullptr;
    return tip ? tip->markup : std::string();
}

void ControlTips::Add(wxWindow& control, const std::string& text) {
    GtkWidget* widget = control.GetHandle();
    if (!widget)
        return;
    const bool first = g_object_get_data(G_OBJECT(widget), kTipKey) == nullptr;
    g_object_set_data_full(G_OBJECT(widget), kTipKey, new Tip{Markup(text), m_state},
                           [](gpointer tip) { delete static_cast<Tip*>(tip); });
    if (first)
        g_signal_connect(widget, "query-tooltip", G_CALLBACK(OnQueryTooltip), nullptr);
    gtk_widget_set_has_tooltip(widget, TRUE);
}

void ControlTips::Enable(bool enabled) {
    if (m_state->enabled == enabled)
        return;
    m_state->enabled = enabled;
    // A tip on screen asks again at once, and so hides when the tips are off.
    if (GdkDisplay* display = gdk_display_get_default())
        gtk_tooltip_trigger_tooltip_query(display);
}

} // namespace stillmark
