#include "platform/linux/DesktopNotifier.h"

#include "base/Diagnostics.h"

#include <gio/gio.h>
#include <gtk/gtk.h>
#include <unistd.h>
#include <wx/bitmap.h>
#include <wx/log.h>
#include <wx/notifmsg.h>
// After wx/notifmsg.h, which declares the base class.
#include <wx/generic/notifmsg.h>
#include <wx/window.h>

namespace stillmark {

namespace {

constexpr guchar kUrgencyNormal = 1;

// The image as the "image-data" hint that notification services of today read.
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

bool WasCancelled(const GError* error) {
    return g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
}

} // namespace

// One notification on its way: what to show if the service does not take it in time.
struct DesktopNotifier::Pending {
    DesktopNotifier* notifier;
    Notification notification;
    GVariant* arguments = nullptr; // held until sent
    unsigned lateTimer = 0;        // the service's time to answer, while it runs
    bool fellBack = false;         // the own popup showed while the service kept the call
    ~Pending() {
        if (lateTimer != 0)
            g_source_remove(lateTimer);
        if (arguments)
            g_variant_unref(arguments);
    }
};

bool InstalledIconExists() {
    GtkIconTheme* theme = gtk_icon_theme_get_default();
    return theme != nullptr && gtk_icon_theme_has_icon(theme, kInstalledIconName);
}

DesktopNotifier::DesktopNotifier(wxWindow& owner, const wxIcon& icon, bool useInstalledIcon)
    : m_owner(owner), m_icon(icon), m_useInstalledIcon(useInstalledIcon), m_cancellable(g_cancellable_new()) {
}

DesktopNotifier::~DesktopNotifier() {
    // Answers still to come find the call cancelled and touch neither this object nor their Pending.
    g_cancellable_cancel(m_cancellable);
    g_object_unref(m_cancellable);
    m_pending.clear();
}

GVariant* DesktopNotifier::NotifyArguments(const Notification& notification) const {
    GVariantBuilder hints;
    g_variant_builder_init(&hints, G_VARIANT_TYPE("a{sv}"));
    if (!m_useInstalledIcon && m_icon.IsOk()) {
        wxBitmap bitmap;
        bitmap.CopyFromIcon(m_icon);
        if (GdkPixbuf* pixbuf = bitmap.GetPixbuf())
            g_variant_builder_add(&hints, "{sv}", "image-data", ImageData(pixbuf));
    }
    g_variant_builder_add(&hints, "{sv}", "desktop-entry", g_variant_new_string(kDesktopEntry));
    g_variant_builder_add(&hints, "{sv}", "urgency", g_variant_new_byte(kUrgencyNormal));
    g_variant_builder_add(&hints, "{sv}", "sender-pid", g_variant_new_int64(::getpid()));
    return g_variant_new("(susss@as@a{sv}i)", kNotificationAppName, 0u,
                         m_useInstalledIcon ? kInstalledIconName : "", notification.title.c_str(),
                         notification.text.c_str(), m_actions.ActionsFor(notification),
                         g_variant_builder_end(&hints), TimeoutMilliseconds(notification));
}

void DesktopNotifier::Show(const Notification& notification) {
    // The own popup shows one notification at a time: the next one takes its place at once.
    if (m_popup && m_lastShown == Shown::OwnPopup)
        m_popup->Close();
    auto pending = std::make_unique<Pending>();
    pending->notifier = this;
    pending->notification = notification;
    pending->arguments = g_variant_ref_sink(NotifyArguments(notification));
    pending->lateTimer = g_timeout_add(static_cast<guint>(kServiceAnswerTime.count()),
                                       &DesktopNotifier::OnLate, pending.get());
    g_bus_get(G_BUS_TYPE_SESSION, m_cancellable, &DesktopNotifier::OnBus, pending.get());
    m_pending.push_back(std::move(pending));
}

int DesktopNotifier::OnLate(void* data) {
    auto* pending = static_cast<Pending*>(data);
    pending->lateTimer = 0;
    wxLogTrace(kTraceMask, "the notification service did not answer in time: the generic notification shows");
    pending->notifier->FallBack(*pending);
    return G_SOURCE_REMOVE;
}

void DesktopNotifier::FallBack(Pending& pending) {
    if (pending.lateTimer != 0) {
        g_source_remove(pending.lateTimer);
        pending.lateTimer = 0;
    }
    if (!pending.fellBack)
        ShowOwnPopup(pending.notification);
    pending.fellBack = true;
}

void DesktopNotifier::Forget(const Pending& pending) {
    m_pending.remove_if([&](const std::unique_ptr<Pending>& p) { return p.get() == &pending; });
}

void DesktopNotifier::OnBus(GObject*, GAsyncResult* result, void* data) {
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_finish(result, &error);
    if (!bus) {
        if (!WasCancelled(error)) {
            auto* pending = static_cast<Pending*>(data);
            wxLogTrace(kTraceMask, "no session bus (%s): the generic notification takes over",
                       wxString::FromUTF8(error->message));
            pending->notifier->FallBack(*pending);
            pending->notifier->Forget(*pending);
        }
        g_error_free(error);
        return;
    }
    auto* pending = static_cast<Pending*>(data);
    // No time-out of the call's own: an answer that comes late still tells which notification to close.
    g_dbus_connection_call(bus, "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                           "org.freedesktop.Notifications", "Notify", pending->arguments,
                           G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, G_MAXINT,
                           pending->notifier->m_cancellable, &DesktopNotifier::OnAnswer, pending);
    g_variant_unref(pending->arguments);
    pending->arguments = nullptr;
    g_object_unref(bus);
}

void DesktopNotifier::OnAnswer(GObject* source, GAsyncResult* result, void* data) {
    auto* bus = G_DBUS_CONNECTION(source);
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(bus, result, &error);
    if (!reply && WasCancelled(error)) {
        g_error_free(error);
        return;
    }
    auto* pending = static_cast<Pending*>(data);
    DesktopNotifier* notifier = pending->notifier;
    if (reply) {
        guint32 id = 0;
        g_variant_get(reply, "(u)", &id);
        g_variant_unref(reply);
        if (pending->fellBack) {
            // The own popup has told this moment already: one reminder, not two.
            wxLogTrace(kTraceMask, "the notification service answered late: its notification is closed");
            // The call keeps the connection alive until it is sent and answered.
            g_dbus_connection_call(bus, "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                   "org.freedesktop.Notifications", "CloseNotification",
                                   g_variant_new("(u)", id), nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr,
                                   &DesktopNotifier::OnClosed, nullptr);
        } else {
            notifier->m_actions.Sent(id, pending->notification);
            notifier->m_lastShown = Shown::ByService;
        }
    } else {
        // No service: the program's own popup.
        wxLogTrace(kTraceMask,
                   "no notification service took the notification (%s): the generic one takes over",
                   wxString::FromUTF8(error->message));
        g_error_free(error);
        notifier->FallBack(*pending);
    }
    notifier->Forget(*pending); // its time-out goes with it
}

void DesktopNotifier::OnClosed(GObject* bus, GAsyncResult* result, void*) {
    GError* error = nullptr;
    if (GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, &error))
        g_variant_unref(reply);
    else {
        wxLogTrace(kTraceMask, "the late notification could not be closed (%s)",
                   wxString::FromUTF8(error->message));
        g_error_free(error);
    }
}

void DesktopNotifier::ShowOwnPopup(const Notification& notification) {
    if (m_popup && m_lastShown == Shown::OwnPopup)
        m_popup->Close();
    m_popup = std::make_unique<wxGenericNotificationMessage>(wxString::FromUTF8(notification.title),
                                                             wxString::FromUTF8(notification.text), &m_owner,
                                                             wxICON_INFORMATION);
    // Left to the service, the reminder stays until the user closes it or the next one replaces it.
    if (!notification.action.empty() && m_popup->AddAction(wxID_ANY, wxString::FromUTF8(notification.action)))
        m_popup->Bind(wxEVT_NOTIFICATION_MESSAGE_ACTION, [this](wxCommandEvent&) { m_actions.Invoke(); });
    m_popup->Show(notification.seconds > 0 ? notification.seconds : wxNotificationMessage::Timeout_Never);
    m_lastShown = Shown::OwnPopup;
}

} // namespace stillmark
