#pragma once
// The icon as a StatusNotifierItem of the program's own on the session bus: pixmaps and the
// installed icon name, tip, title, status; Activate is the left press; its menu is exported
// beside it. Registers with the watcher, and again whenever a watcher appears (a panel restarted);
// hidden, it leaves the bus.
#include "platform/linux/BusNames.h"
#include "ui/tray/IconPixmap.h"
#include "ui/tray/TrayBackend.h"
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

typedef struct _GDBusConnection GDBusConnection;
typedef struct _GCancellable GCancellable;
typedef struct _GVariant GVariant;

class wxIcon;
class wxWindow;

namespace stillmark {

class StatusNotifierMenu;

using bus::kItemMenuPath;
using bus::kItemPath;

class StatusNotifierItem final : public TrayBackend {
public:
    // owner receives the menu's choices and must outlive the item.
    StatusNotifierItem(wxWindow& owner, const wxIcon& icon, std::function<void(TrayClick)> onClick);
    ~StatusNotifierItem() override;
    StatusNotifierItem(const StatusNotifierItem&) = delete;
    StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

    void Show(const std::string& tip) override;
    void Hide() override;
    // Hosts show the exported menu themselves.
    void ShowMenu() override {}
    void SetPaused(bool paused) override;

    // The item's bus name while shown, empty otherwise.
    const std::string& BusName() const { return m_busName; }
    // How often a watcher has accepted the item since it was shown.
    int Registrations() const { return m_registrations; }

    // The value of one property of the item interface (nullptr for an unknown name); floating.
    GVariant* Property(const std::string& name) const;
    // Answers a method call of the item interface (Activate, ContextMenu, ...).
    void OnMethod(const std::string& method);

private:
    struct Callbacks;

    void RegisterWithWatcher();
    void DeliverLater(TrayClick click);

    wxWindow& m_owner;
    std::vector<IconPixmap> m_pixmaps;
    std::function<void(TrayClick)> m_onClick;
    std::string m_tip;
    std::string m_busName;
    GDBusConnection* m_bus = nullptr;
    GCancellable* m_cancellable = nullptr;
    unsigned m_objectId = 0, m_nameId = 0, m_watchId = 0, m_idleId = 0;
    TrayClick m_pendingClick = TrayClick::LeftPress;
    int m_registrations = 0;
    bool m_paused = false;
    std::unique_ptr<StatusNotifierMenu> m_menu;
};

} // namespace stillmark
