#pragma once
// How the main window ends. Asked to end (a signal, the menu's Exit, the desktop closing the window
// while a dialog of the program is open), it writes the settings at once, then ends the open dialogs
// and message boxes innermost first, the next one each time the last has returned from its loop, and
// closes the window once none is left. The window's close then writes the settings in full.
#include <functional>
#include <wx/event.h>
#include <wx/timer.h>

class wxTopLevelWindow;

namespace stillmark {

class ModalDialogs;
class SettingsAutosave;

class WindowEnding final : public wxEvtHandler {
public:
    // `takeOverTyped` takes over what is typed but not yet read (a sound path), without reading the
    // other controls, so no refusal can open a box; `readControls` reads them all a last time as the
    // window closes by itself (Escape, the close box).
    WindowEnding(wxTopLevelWindow& window, ModalDialogs& dialogs, SettingsAutosave& autosave,
                 std::function<void()> takeOverTyped, std::function<void()> readControls);
    ~WindowEnding() override;
    WindowEnding(const WindowEnding&) = delete;
    WindowEnding& operator=(const WindowEnding&) = delete;

    // Once true, the window reads nothing more from its controls and does not come back.
    bool IsEnding() const { return m_ending; }
    // The program is asked to end.
    void Request();
    // The window is asked to close: true when it may go now, its settings written; false when dialogs
    // must end first (the window is closed again once they have).
    bool MayClose();

private:
    void CloseWhenDialogsEnded();

    wxTopLevelWindow& m_window;
    ModalDialogs& m_dialogs;
    SettingsAutosave& m_autosave;
    std::function<void()> m_takeOverTyped;
    std::function<void()> m_readControls;
    wxTimer m_nextLook;
    bool m_ending = false;
};

} // namespace stillmark
