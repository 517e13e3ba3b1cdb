#include "platform/windows/HiddenWindow.h"

#include <windows.h>

#include <wx/log.h>

namespace stillmark {

HiddenWindow::HiddenWindow(const wchar_t* className, Kind kind, Handler handler)
    : m_handler(std::move(handler)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &HiddenWindow::WindowProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        wxLogError("no hidden window %s (class: error %lu)", wxString(className), ::GetLastError());
        return;
    }
    // A top-level window is never shown and stays out of the taskbar as a tool window.
    const bool topLevel = kind == Kind::TopLevel;
    m_window =
        ::CreateWindowExW(topLevel ? WS_EX_TOOLWINDOW : 0, className, L"", topLevel ? WS_POPUP : 0, 0, 0, 0,
                          0, topLevel ? nullptr : HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    if (!m_window) {
        wxLogError("no hidden window %s (error %lu)", wxString(className), ::GetLastError());
        return;
    }
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HiddenWindow::~HiddenWindow() {
    if (!m_window)
        return;
    ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    ::DestroyWindow(m_window);
}

long long __stdcall HiddenWindow::WindowProcedure(HWND__* window, unsigned message, unsigned long long wParam,
                                                  long long lParam) {
    if (const auto* self = reinterpret_cast<const HiddenWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA)))
        if (const std::optional<long long> answer = self->m_handler(message, wParam))
            return *answer;
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace stillmark
