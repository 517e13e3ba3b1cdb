#include "ui/main/InterimTrayIcon.h"

#include "ui/tray/WxNotifyIconService.h"

#include <wx/window.h>

namespace stillmark {
namespace {

class NotifyIconBridge final : public TrayIcon {
public:
    NotifyIconBridge(wxWindow& owner, const wxIcon& icon, std::function<void(TrayClick)> onClick)
        : m_owner(owner), m_service(&owner, icon, [onClick = std::move(onClick)](int mouse) {
              onClick(mouse == kMouseLeftDown ? TrayClick::LeftPress : TrayClick::MenuRequest);
          }) {
        for (const auto& [from, to] : kMenuIds)
            m_owner.Bind(wxEVT_MENU, &NotifyIconBridge::Translate, this, from);
    }
    ~NotifyIconBridge() override {
        for (const auto& [from, to] : kMenuIds)
            m_owner.Unbind(wxEVT_MENU, &NotifyIconBridge::Translate, this, from);
    }

    void ShowIcon(const std::string& tooltip) override {
        m_tip = tooltip;
        m_service.Call(m_shown ? NotifyIconMessage::Modify : NotifyIconMessage::Add,
                       FillNotifyIconData(WM_NOTIFYICON, "", "", tooltip, 0));
        m_shown = true;
    }
    void HideIcon() override {
        const NotifyIconData empty = FillNotifyIconData(WM_NOTIFYICON, "", "", "", 0);
        m_service.Call(NotifyIconMessage::Delete, empty);
        m_shown = false;
    }
    void Notify(const std::string& title, const std::string& text, int seconds) override {
        m_service.Call(NotifyIconMessage::Modify,
                       FillNotifyIconData(WM_NOTIFYICON, title, text, m_tip, seconds));
    }
    bool HasTray() const override { return m_service.IsAvailable(); }
    void ShowMenu() override { m_service.ShowMenu(); }

private:
    static constexpr std::pair<int, int> kMenuIds[] = {
        {ID_APP_ABOUT, wxID_ABOUT}, {ID_SHOW, kIdShow}, {ID_APP_EXIT, wxID_EXIT}};

    void Translate(wxCommandEvent& event) {
        for (const auto& [from, to] : kMenuIds) {
            if (event.GetId() == from) {
                wxCommandEvent command(wxEVT_MENU, to);
                command.SetEventObject(&m_owner);
                m_owner.GetEventHandler()->ProcessEvent(command);
            }
        }
    }

    wxWindow& m_owner;
    WxNotifyIconService m_service;
    std::string m_tip;
    bool m_shown = false;
};

} // namespace

std::unique_ptr<TrayIcon> MakeDesktopTrayIcon(wxWindow& owner, const wxIcon& icon,
                                              std::function<void(TrayClick)> onClick) {
    return std::make_unique<NotifyIconBridge>(owner, icon, std::move(onClick));
}

} // namespace stillmark
