#pragma once
// Hover tips on the main dialog's controls: a balloon titled "Stillmark" with the information icon,
// shown when the pointer rests on a control. The tips learn of the pointer only through RelayEvent,
// which the dialog calls for mouse moves while tips are switched on.
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/timer.h>
#include <wx/weakref.h>
#include <wx/window.h>

namespace stillmark {

class TipWindow;

// The controls of the main window that have a tip, by resource name, with their texts, in the order
// they are added.
const std::vector<std::pair<std::string_view, std::string_view>>& ControlTipTable();

// The icon numbers that SetTitle takes.
enum TipIcon { TipIconNone = 0, TipIconInfo = 1, TipIconWarning = 2, TipIconError = 3 };

class ControlTips {
public:
    ControlTips();
    ~ControlTips();
    ControlTips(const ControlTips&) = delete;
    ControlTips& operator=(const ControlTips&) = delete;

    // Creates the tip window, owned by the dialog. False when there is no owner.
    bool Create(wxWindow* owner);
    bool IsCreated() const { return m_tip != nullptr; }
    // Title and icon (TipIcon) of every tip. False when the tips were not created.
    bool SetTitle(int icon, const std::string& title);
    // Registers a control's tip text (UTF-8, '\n' breaks lines); registering it again replaces the text.
    void AddTool(wxWindow* control, const std::string& text);

    // A mouse move over `window` (the pointer at `pointerOnScreen`).
    void RelayEvent(wxWindow* window, const wxPoint& pointerOnScreen);
    void RelayEvent(const wxMouseEvent& event);

    // Hides the tip shown, if any.
    void HideTip();

    // The registered control that owns `window` (the window itself or one of its ancestors), or nullptr.
    wxWindow* FindTool(wxWindow* window) const;
    // The text registered for `window` (or its registered ancestor), or nullptr.
    const std::string* FindToolText(wxWindow* window) const;
    std::size_t ToolCount() const { return m_tools.size(); }
    // The tip window (nullptr before Create), for looking at what it shows.
    TipWindow* GetTipWindow() const;
    bool IsTipShown() const;

    // How long the pointer rests before a tip shows, and how long a tip stays.
    void SetDelays(std::chrono::milliseconds initial, std::chrono::milliseconds autoHide);

private:
    struct Tool {
        wxWeakRef<wxWindow> control;
        std::string text;
    };
    class CallbackTimer : public wxTimer {
    public:
        explicit CallbackTimer(std::function<void()> onTimer) : m_onTimer(std::move(onTimer)) {}
        void Notify() override { m_onTimer(); }

    private:
        std::function<void()> m_onTimer;
    };
    class DismissFilter;

    const Tool* ToolFor(wxWindow* window) const;
    void ShowTipFor(wxWindow* control);
    void OnInitialDelay();
    void OnOwnerShow(wxShowEvent& event);

    wxWeakRef<wxWindow> m_owner;
    wxWeakRef<TipWindow> m_tip;
    std::vector<Tool> m_tools;
    int m_icon = TipIconNone;
    std::string m_title;
    wxWeakRef<wxWindow> m_pending; // the control under the resting pointer, waiting for its tip
    wxWeakRef<wxWindow> m_showing; // the control whose tip is shown
    wxWeakRef<wxWindow> m_expired; // its tip timed out: no new tip until the pointer leaves it
    wxPoint m_pointer;
    std::chrono::milliseconds m_initialDelay{500};
    std::chrono::milliseconds m_autoHide{10000};
    CallbackTimer m_initialTimer;
    CallbackTimer m_hideTimer;
    std::unique_ptr<DismissFilter> m_dismissFilter;
};

// Calls back for every mouse move over a window of `owner`'s window (the dialog and its
// controls, including their inner parts). Installed while the object lives.
class MouseMoveRelay : public wxEventFilter {
public:
    using Callback = std::function<void(wxWindow* window, const wxPoint& pointerOnScreen)>;

    MouseMoveRelay(wxWindow* owner, Callback onMove);
    ~MouseMoveRelay() override;
    MouseMoveRelay(const MouseMoveRelay&) = delete;
    MouseMoveRelay& operator=(const MouseMoveRelay&) = delete;

    int FilterEvent(wxEvent& event) override;

private:
    wxWeakRef<wxWindow> m_owner;
    Callback m_onMove;
};

} // namespace stillmark
