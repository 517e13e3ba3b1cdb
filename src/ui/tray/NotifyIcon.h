#pragma once
// The one notification-area icon, reached through a record filled afresh for every
// call, as the desktop's icon services expect. The record and the decisions are plain
// data; INotifyIconService is the seam to the desktop (a recording double in tests).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace stillmark {

// Mouse messages delivered for the icon.
constexpr int kMouseLeftDown = 0x201;
constexpr int kMouseRightUp = 0x205;

// Command ids of the icon's menu.
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_SHOW = 103;
constexpr int ID_APP_EXIT = 57665;
constexpr int WM_NOTIFYICON = 0x8000 + 1000;

constexpr std::uint32_t NIF_MESSAGE = 0x1, NIF_ICON = 0x2, NIF_TIP = 0x4, NIF_INFO = 0x10;
constexpr std::uint32_t NIIF_INFO = 1;

enum class NotifyIconMessage { Add, Modify, Delete, SetFocus };

// The record's size in the version that carries the balloon fields and no GUID.
constexpr std::uint32_t kNotifyIconDataSize = 488;

struct NotifyIconData {
    std::uint32_t cbSize = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::array<char, 128> szTip{};      // 127 characters at most
    std::array<char, 256> szInfo{};     // 255 characters at most
    std::array<char, 64> szInfoTitle{}; // 63 characters at most
    std::uint32_t uTimeout = 0;         // milliseconds
    std::uint32_t dwInfoFlags = 0;
};

// Fills a zeroed record as every icon call does; texts are copied bounded and terminated.
NotifyIconData FillNotifyIconData(std::uint32_t callbackMessage, const std::string& title,
                                  const std::string& text, const std::string& tip, int timeoutSeconds);

// The text of a terminated field (stops at the field's end should the terminator be missing).
std::string FieldText(const char* field, std::size_t fieldSize);
template <std::size_t N> std::string FieldText(const std::array<char, N>& field) {
    return FieldText(field.data(), N);
}

class INotifyIconService {
public:
    virtual ~INotifyIconService() = default;
    // Add, Modify, Delete or SetFocus with the record. Modify while no icon was
    // added does nothing (no balloon); a record with a text shows it as a balloon.
    virtual void Call(NotifyIconMessage message, const NotifyIconData& data) = 0;
    // True when the desktop has a notification area that shows the icon.
    virtual bool IsAvailable() const = 0;
    // Opens the icon's menu at the pointer; the chosen command reaches the owner
    // window as a menu command with the item's id.
    virtual void ShowMenu() = 0;
};

} // namespace stillmark
