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

LRESULT CALLBACK InstanceWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == ShowRequest()) {
        const auto* onShow =
            reinterpret_cast<const std::function<void()>*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (onShow && *onShow)
            (*onShow)();
        return 1;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

SingleInstance::SingleInstance(std::function<void()> onShowRequest)
    : m_onShowRequest(std::move(onShowRequest)) {
    // Named per user: another user's copy in another session is no reason to stay away.
    m_first =
        !(m_checker.Create(wxString(kApplicationId) + "-" + wxGetUserId()) && m_checker.IsAnotherRunning());
    if (!m_first)
        return;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = InstanceWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassW(&windowClass);
    // A message-only window: no taskbar entry, never shown, found by its class alone.
    HWND window = ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    windowClass.hInstance, nullptr);
    if (window)
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_onShowRequest));
    m_window = window;
}

SingleInstance::~SingleInstance() {
    if (m_window)
        ::DestroyWindow(static_cast<HWND>(m_window));
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
