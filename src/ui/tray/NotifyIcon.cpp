#include "ui/tray/NotifyIcon.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace stillmark {

namespace {

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Copies at most N - 1 bytes and always terminates. A cut never splits a UTF-8
// sequence: it backs off to the start of the character that would be cut (at most
// three continuation bytes, so broken input cannot empty the field).
template <std::size_t N> void CopyBounded(std::array<char, N>& field, const std::string& text) {
    static_assert(N > 0);
    std::size_t length = std::min(text.size(), N - 1);
    if (length < text.size()) {
        std::size_t backedOff = 0;
        while (length > 0 && backedOff < 3 && IsUtf8Continuation(text[length])) {
            --length;
            ++backedOff;
        }
        if (backedOff == 3 && IsUtf8Continuation(text[length]))
            length += backedOff; // not UTF-8 at all: keep the plain byte cut
    }
    std::copy_n(text.begin(), length, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(length), field.end(), '\0');
}

std::uint32_t SecondsToMilliseconds(int seconds) {
    // A negative time-out means none; a huge one is capped instead of overflowing.
    const std::int64_t milliseconds = std::max<std::int64_t>(seconds, 0) * 1000;
    return static_cast<std::uint32_t>(
        std::min<std::int64_t>(milliseconds, std::numeric_limits<std::uint32_t>::max()));
}

} // namespace

NotifyIconData FillNotifyIconData(std::uint32_t callbackMessage, const std::string& title,
                                  const std::string& text, const std::string& tip, int timeoutSeconds) {
    NotifyIconData data{}; // every field zero before it is set
    data.cbSize = kNotifyIconDataSize;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.uCallbackMessage = callbackMessage;
    CopyBounded(data.szTip, tip);
    CopyBounded(data.szInfo, text);
    CopyBounded(data.szInfoTitle, title);
    data.uTimeout = SecondsToMilliseconds(timeoutSeconds);
    data.dwInfoFlags = NIIF_INFO;
    return data;
}

std::string FieldText(const char* field, std::size_t fieldSize) {
    std::size_t length = 0;
    while (length < fieldSize && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

} // namespace stillmark
