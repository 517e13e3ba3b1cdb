#include "platform/windows/WindowsProgramServices.h"

#include "platform/windows/Locations.h"
#include "ui/common/DesktopLanguage.h"
#include "ui/common/ProgramFolder.h"
#include "ui/tray/TrayIcon.h"

#include <windows.h>
#include <wx/app.h>
#include <wx/event.h>

namespace stillmark {
namespace {

constexpr DWORD kEndDeadlineMs = 900;

// Waits, from start-up on, for the ending to begin; from then on, whatever still runs (a dialog's own
// loop, a sound that does not stop), the process ends with status 0 within a second. The settings
// were written by the ordinary ending or before. A thread of its own from the start: one begun while
// the process ends could start when the runtime is half gone.
DWORD WINAPI EndDeadline(void* armed) {
    if (::WaitForSingleObject(static_cast<HANDLE>(armed), INFINITE) == WAIT_OBJECT_0) {
        ::Sleep(kEndDeadlineMs);
        ::TerminateProcess(::GetCurrentProcess(), 0);
    }
    return 0;
}

} // namespace

std::unique_ptr<ProgramServices> MakeProgramServices(std::string_view) {
    return std::make_unique<WindowsProgramServices>();
}

WindowsProgramServices::WindowsProgramServices()
    : m_system([this] { m_wakeTimer.ClockMayHaveMoved(); }),
      m_settings(DefaultSettingsPath(), InDesktopLanguage),
      m_sound(m_soundEngine, m_messages, std::chrono::seconds(1), InDesktopLanguage),
      m_info{m_sound, m_opener, m_messages, FolderOfExecutable()}, m_about(m_info),
      m_autostart(wxString(ProgramPath().wstring()).utf8_string(), InDesktopLanguage), m_desktop(m_system) {}

WindowsProgramServices::~WindowsProgramServices() {
    if (m_watching && wxTheApp) {
        wxTheApp->Unbind(wxEVT_QUERY_END_SESSION, &WindowsProgramServices::OnQueryEndSession, this);
        wxTheApp->Unbind(wxEVT_END_SESSION, &WindowsProgramServices::OnEndSession, this);
    }
}

MainWindowServices WindowsProgramServices::ForMainWindow() {
    return {m_clock,
            m_wakeTimer,
            m_sound,
            m_settings,
            m_messages,
            m_modalDialogs,
            MakeDesktopTrayIcon,
            [this](wxWindow* owner) { m_about.Show(owner); },
            m_autostart,
            m_desktop};
}

void WindowsProgramServices::WatchEnding(EndingRequests requests) {
    m_ending = std::move(requests);
    if (wxTheApp) {
        wxTheApp->Bind(wxEVT_QUERY_END_SESSION, &WindowsProgramServices::OnQueryEndSession, this);
        wxTheApp->Bind(wxEVT_END_SESSION, &WindowsProgramServices::OnEndSession, this);
        m_watching = true;
    }
    m_endArmed = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_endArmed)
        return;
    if (const HANDLE thread = ::CreateThread(nullptr, 0, EndDeadline, m_endArmed, 0, nullptr))
        ::CloseHandle(thread);
}

void WindowsProgramServices::OnQueryEndSession(wxCloseEvent& event) {
    // The program never holds the session up: whatever is open, the settings are written now.
    if (m_ending.saveNow)
        m_ending.saveNow();
    event.Skip();
}

void WindowsProgramServices::OnEndSession(wxCloseEvent&) {
    // Windows ends the process as soon as this message is answered: the settings first, then the
    // program's own ending, which the deadline finishes.
    if (m_ending.saveNow)
        m_ending.saveNow();
    if (m_ending.endOnRequest)
        m_ending.endOnRequest();
}

void WindowsProgramServices::ArmEndDeadline() {
    if (m_endArmed)
        ::SetEvent(m_endArmed);
}

} // namespace stillmark
