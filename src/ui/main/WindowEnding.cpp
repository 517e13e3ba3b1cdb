#include "ui/main/WindowEnding.h"

#include "ui/common/ModalDialogs.h"
#include "ui/main/SettingsAutosave.h"

#include <wx/toplevel.h>

namespace stillmark {

namespace {

// Long enough for an ended dialog's loop to return, short enough that the end stays quick.
constexpr int kNextLookMs = 20;

} // namespace

WindowEnding::WindowEnding(wxTopLevelWindow& window, ModalDialogs& dialogs, SettingsAutosave& autosave,
                           std::function<void()> takeOverTyped, std::function<void()> readControls)
    : m_window(window), m_dialogs(dialogs), m_autosave(autosave), m_takeOverTyped(std::move(takeOverTyped)),
      m_readControls(std::move(readControls)), m_nextLook(this) {
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { CloseWhenDialogsEnded(); });
}

WindowEnding::~WindowEnding() {
    m_nextLook.Stop();
}

void WindowEnding::Request() {
    // Each change reached the settings as it was made: only what is being typed is taken over.
    if (!m_ending)
        m_takeOverTyped();
    m_ending = true;
    m_autosave.EndOfProgram();
    m_autosave.SaveNow();
    CloseWhenDialogsEnded();
}

bool WindowEnding::MayClose() {
    // A close request from the desktop while a dialog of the program is open: its loop ends first.
    if (!m_ending && m_dialogs.AnyOpen()) {
        Request();
        return false;
    }
    if (!m_ending)
        m_readControls();
    m_ending = true;
    m_nextLook.Stop();
    m_autosave.EndOfProgram();
    m_autosave.SaveAtEnd();
    return true;
}

void WindowEnding::CloseWhenDialogsEnded() {
    // A dialog's loop must return before the window that owns it goes: end the innermost, look
    // again soon for the next.
    if (m_dialogs.AnyOpen()) {
        m_dialogs.EndInnermost();
        m_nextLook.StartOnce(kNextLookMs);
        return;
    }
    m_window.Close(true);
}

} // namespace stillmark
