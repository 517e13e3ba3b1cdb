#include "platform/windows/SingleInstance.h"

#include "base/ProductIdentity.h"

#include <windows.h>
#include <wx/string.h>
#include <wx/utils.h>

namespace stillmark {
namespace {

constexpr const wchar_t* kWindowClass = L"org.stillmark.Stillmark.Instance";

// The request of a later start, a message of the program's own name.
UINT ShowRequest() {
    static const UINT message = ::RegisterWindowMessageW(L"org.stillmark.Stillmark.ShowWindow");
    return message;
}

} // namespace

SingleInstance::SingleInstance(std::function<void()> onShowRequest)
    : m_onShowRequest(std::move(onShowRequest)) {
    // Named per user: another user's copy in another session is no reason to stay away.
    m_first =
        !(m_checker.Create(wxString(kApplicationId) + "-" + wxGetUserId()) && m_checker.IsAnotherRunning());
    if (!m_first)
        return;
    m_window = std::make_unique<HiddenWindow>(
        kWindowClass, HiddenWindow::Kind::MessageOnly,
        [this](unsigned message, unsigned long long) -> std::optional<long long> {
            if (message == 0 || message != ShowRequest())
                return std::nullopt;
            if (m_onShowRequest)
                m_onShowRequest();
            return 1;
        });
}

bool SingleInstance::AskFirstToShow() const {
    HWND first = ::FindWindowExW(HWND_MESSAGE, nullptr, kWindowClass, nullptr);
    if (!first)
        return false;
    // Windows lets only the foreground program hand the foreground on: this start has it, the first
    // copy gets it.
    DWORD process = 0;
    ::GetWindowThreadProcessId(first, &process);
    ::AllowSetForegroundWindow(process);
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(first, ShowRequest(), 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) != 0 &&
           answer == 1;
}

} // namespace stillmark
