#pragma once
// Keeps count of the modal dialogs open in the program (message boxes, the file chooser, the About
// box) so that a request to end the program can close them first: their loops must return before
// the window that owns them goes.
#include <vector>
#include <wx/modalhook.h>

class wxDialog;

namespace stillmark {

class ModalDialogs final : public wxModalDialogHook {
public:
    ModalDialogs();
    ~ModalDialogs() override;
    ModalDialogs(const ModalDialogs&) = delete;
    ModalDialogs& operator=(const ModalDialogs&) = delete;

    bool AnyOpen() const { return !m_open.empty(); }
    // Ends the innermost open modal dialog as if the user cancelled it. Only the innermost: on GTK
    // ending an outer dialog while an inner loop runs marks it ended but never returns from its loop.
    // Call again once it has returned (it is then no longer open) to end the next one.
    void EndInnermost();

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

private:
    std::vector<wxDialog*> m_open;
};

} // namespace stillmark
