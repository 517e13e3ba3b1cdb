#pragma once
// Doubles and a modal driver for the information dialogs' display tests.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include "RecordingDoubles.h"
#include "base/MessageBox.h"
#include "sound/SoundPlayback.h"
#include "ui/info/InfoServices.h"
#include "ui/info/LinkOpener.h"

namespace stillmark::test {

// wxEntryStart makes a console application unless told otherwise: windows need a GUI one.
inline const bool kGuiApp = [] {
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new wxApp; });
    return true;
}();

class RecordingOpener final : public LinkOpener {
public:
    void Open(const std::string& target, Done done) override {
        opened.push_back(target);
        done(answer);
    }
    OpenResult answer = OpenResult::Opened;
    std::vector<std::string> opened;
};

// Every service of the information dialogs, recording.
struct RecordingInfoServices {
    explicit RecordingInfoServices(std::filesystem::path dir)
        : services{sound, opener, messages, std::move(dir)} {}
    RecordingSoundEngine engine;
    RecordingMessageBox messages;
    RecordingOpener opener;
    SoundPlayback sound{engine, messages};
    InfoServices services;
};

// The shown dialog with this id, if any.
inline wxDialog* FindShownDialog(int id) {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = dynamic_cast<wxDialog*>(window);
        if (dialog && dialog->GetId() == id && dialog->IsShown() && !window->IsBeingDeleted())
            return dialog;
    }
    return nullptr;
}

// Drives modal dialogs from a timer: each step waits for its condition, then acts. When the
// time runs out, every modal dialog is ended, so a test can fail but never hang.
class ModalDriver final : public wxEvtHandler {
public:
    struct Step {
        std::string name;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    explicit ModalDriver(std::vector<Step> steps, std::chrono::seconds timeout = std::chrono::seconds(60))
        : m_steps(std::move(steps)), m_deadline(std::chrono::steady_clock::now() + timeout), m_timer(this) {
        Bind(wxEVT_TIMER, &ModalDriver::OnTick, this);
        m_timer.Start(20);
    }
    ~ModalDriver() override { m_timer.Stop(); }
    bool Finished() const { return m_next == m_steps.size(); }
    bool TimedOut() const { return m_timedOut; }
    std::string Pending() const { return Finished() ? std::string() : m_steps[m_next].name; }

private:
    void OnTick(wxTimerEvent&) {
        if (m_actionPending)
            return;
        if (Finished()) {
            m_timer.Stop();
            return;
        }
        if (std::chrono::steady_clock::now() > m_deadline) {
            m_timedOut = true;
            m_timer.Stop();
            for (wxWindow* window : wxTopLevelWindows)
                if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal())
                    dialog->EndModal(wxID_CANCEL);
            return;
        }
        Step& step = m_steps[m_next];
        if (!step.ready())
            return;
        ++m_next;
        // Actions run from the event loop, not from this timer, so one that opens a nested modal
        // loop leaves the timer free to drive that loop too.
        m_actionPending = true;
        CallAfter([this, act = step.act] {
            m_actionPending = false;
            act();
        });
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    std::chrono::steady_clock::time_point m_deadline;
    wxTimer m_timer;
    bool m_timedOut = false;
    bool m_actionPending = false;
};

} // namespace stillmark::test
