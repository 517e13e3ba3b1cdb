#include "ui/main/ControlTips.h"

#include <gtk/gtk.h>
#include <wx/translation.h>
#include <wx/window.h>

namespace stillmark {

const std::vector<std::pair<std::string_view, std::string_view>>& ControlTipTable() {
    static const std::vector<std::pair<std::string_view, std::string_view>> table = {
        {"start_time", wxTRANSLATE("The start time or when the first stillmark will occure.\nUse the up/down "
                                   "button or enter the start "
                                   "time.")},
        {"end_time",
         wxTRANSLATE(
             "The end time or when the last stillmark will occure.\nUse the up/down button or enter the "
             "end time.")},
        {"increment", wxTRANSLATE("The time step when clicking on the up/down buttons")},
        {"count", wxTRANSLATE("The number of stillmark moments you like to have.\nUse the up/down button or "
                              "enter the number.")},
        {"sound_path",
         wxTRANSLATE(
             // TRANSLATORS: "Default" is the name the field understands: keep it as it is.
             "Sound to play when the stillmark moment occurs.\nLeave empty or use the name Default for the "
             "build-in sound")},
        {"use_sound", wxTRANSLATE("Switch on/off the playing of the sound")},
        {"use_ampm", wxTRANSLATE("Shows Am-Pm (American display mode)\nor 24 hours (European display mode)")},
        {"start_minimized",
         wxTRANSLATE("When checked, this will start Stillmark\nby default in the notification area.")},
        {"start_with_desktop",
         wxTRANSLATE("When checked, Stillmark starts with the desktop at each log-in.")},
        {"quiet_when_busy",
         wxTRANSLATE("When checked, a moment passes without a reminder while the screen is locked,\nand "
                     "without a sound in do-not-disturb or while a window fills the screen.")},
        {"day", wxTRANSLATE("Stillmark alerts on the days that are pressed in.\nOn other days the list still "
                            "shows the moments.")},
        {"browse_sound", wxTRANSLATE("Browse for a sound (wav,mp3,wma file)")},
        {"play_sound", wxTRANSLATE("Push this button to play\nthe selected sound")},
        {"stop_sound", wxTRANSLATE("Push this button to stop\nplaying the selected sound")},
        {"moments", wxTRANSLATE("Shows the list of all stillmark moments")},
        {"show_tip",
         wxTRANSLATE(
             "Check this to get tips on all items in this dialog.\nHover over the items to see the tip.")},
        {"run_background", wxTRANSLATE("Pushing this button will make Stillmark run in the background.\nUpon "
                                       "stillmark time you will be "
                                       "notified with a pop-up balloon")},
        {"close", wxTRANSLATE("Quits Stillmark")},
        {"count_spin", wxTRANSLATE("Click to increase or decrease the number of stillmark moments.")},
        {"start_spin", wxTRANSLATE("Click to increase or decrease the stillmark starting time")},
        {"end_spin", wxTRANSLATE("Click to increase or decrease the stillmark ending time")},
        {"about", wxTRANSLATE("See more info about Stillmark.")},
    };
    return table;
}

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
    std::string markup = std::string("<b>Stillmark</b>\n") + escaped;
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
