#pragma once
// A window of the main thread that nobody sees, for what Windows tells windows only: a message-only
// one for the messages posted or sent to it, or a top-level one, which broadcasts reach as well. Its
// messages run the handler from the main loop's dispatch, without waiting for wx's idle time.
#include <functional>
#include <optional>

struct HWND__;

namespace stillmark {

class HiddenWindow final {
public:
    enum class Kind { MessageOnly, TopLevel };
    // The answer to a message it handled; nothing for the default handling.
    using Handler = std::function<std::optional<long long>(unsigned message, unsigned long long wParam)>;

    // className names the window for FindWindow too; one class serves every window of the process.
    HiddenWindow(const wchar_t* className, Kind kind, Handler handler);
    ~HiddenWindow();
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    // Null when Windows made no window (the reason went to wxLog).
    HWND__* Handle() const { return m_window; }

private:
    static long long __stdcall WindowProcedure(HWND__* window, unsigned message, unsigned long long wParam,
                                               long long lParam);

    Handler m_handler;
    HWND__* m_window = nullptr;
};

} // namespace stillmark
