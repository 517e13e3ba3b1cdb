#include "ui/tray/DesktopNotifier.h"

#include <gtk/gtk.h>
#include <libnotify/notify.h>
#include <wx/bitmap.h>
#include <wx/notifmsg.h>
// After wx/notifmsg.h, which declares the base class.
#include <wx/generic/notifmsg.h>
#include <wx/window.h>

namespace stillmark {

namespace {

// The image as the "image-data" hint that notification services of today read. Set by hand:
// libnotify names the hint after the service's version, which it knows only after a first send.
GVariant* ImageData(GdkPixbuf* pixbuf) {
    const int height = gdk_pixbuf_get_height(pixbuf);
    const int rowstride = gdk_pixbuf_get_rowstride(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const int bitsPerSample = gdk_pixbuf_get_bits_per_sample(pixbuf);
    // The last row may be shorter than the stride.
    const gsize length = static_cast<gsize>(height - 1) * static_cast<gsize>(rowstride) +
                         static_cast<gsize>(gdk_pixbuf_get_width(pixbuf)) *
                             static_cast<gsize>((channels * bitsPerSample + 7) / 8);
    GVariant* data =
        g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, gdk_pixbuf_read_pixels(pixbuf), length, 1);
    return g_variant_new("(iiibii@ay)", gdk_pixbuf_get_width(pixbuf), height, rowstride,
                         gdk_pixbuf_get_has_alpha(pixbuf), bitsPerSample, channels, data);
}

} // namespace

bool InstalledIconExists() {
    GtkIconTheme* theme = gtk_icon_theme_get_default();
    return theme != nullptr && gtk_icon_theme_has_icon(theme, kInstalledIconName);
}

DesktopNotifier::DesktopNotifier(wxWindow& owner, const wxIcon& icon, bool useInstalledIcon)
    : m_owner(owner), m_icon(icon), m_useInstalledIcon(useInstalledIcon) {}

DesktopNotifier::~DesktopNotifier() {
    if (m_notification != nullptr)
        g_object_unref(m_notification);
}

void DesktopNotifier::Show(const Notification& notification) {
    // The own popup shows one notification at a time: the next one takes its place at once.
    if (m_popup && m_lastShown == Shown::OwnPopup)
        m_popup->Close();
    if (ShowByService(notification)) {
        m_lastShown = Shown::ByService;
        return;
    }
    m_popup = std::make_unique<wxGenericNotificationMessage>(wxString::FromUTF8(notification.title),
                                                             wxString::FromUTF8(notification.text), &m_owner,
                                                             wxICON_INFORMATION);
    m_popup->Show(notification.seconds > 0 ? notification.seconds : wxNotificationMessage::Timeout_Auto);
    m_lastShown = Shown::OwnPopup;
}

bool DesktopNotifier::ShowByService(const Notification& notification) {
    if (!notify_is_initted() && !notify_init(kNotificationAppName))
        return false;
    NotifyNotification* sent = notify_notification_new(notification.title.c_str(), notification.text.c_str(),
                                                       m_useInstalledIcon ? kInstalledIconName : nullptr);
    notify_notification_set_app_name(sent, kNotificationAppName);
    if (!m_useInstalledIcon && m_icon.IsOk()) {
        wxBitmap bitmap;
        bitmap.CopyFromIcon(m_icon);
        if (GdkPixbuf* pixbuf = bitmap.GetPixbuf())
            notify_notification_set_hint(sent, "image-data", ImageData(pixbuf));
    }
    notify_notification_set_hint(sent, "desktop-entry", g_variant_new_string(kDesktopEntry));
    notify_notification_set_urgency(sent, NOTIFY_URGENCY_NORMAL);
    notify_notification_set_timeout(sent, TimeoutMilliseconds(notification));
    GError* error = nullptr;
    if (!notify_notification_show(sent, &error)) {
        // No notification service on the session bus (or no bus): the caller shows its own.
        g_clear_error(&error);
        g_object_unref(sent);
        return false;
    }
    // Kept until the next one: the service may still report on it.
    if (m_notification != nullptr)
        g_object_unref(m_notification);
    m_notification = sent;
    return true;
}

} // namespace stillmark
