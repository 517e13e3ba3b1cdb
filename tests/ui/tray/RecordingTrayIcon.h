#pragma once
// A tray icon that records what the window asks of it instead of reaching the desktop: the
// double for the main window's tests. Header only.
#include "ui/tray/TrayIcon.h"

#include <functional>
#include <string>
#include <vector>

namespace stillmark::test {

class RecordingTrayIcon final : public TrayIcon {
public:
    enum class Kind { Show, Hide, Notify };
    struct Call {
        Kind kind;
        std::string tip;         // Show
        std::string title, text; // Notify
        int seconds = 0;         // Notify
    };

    void ShowIcon(const std::string& tooltip) override {
        iconShown = true;
        calls.push_back({Kind::Show, tooltip, "", "", 0});
    }
    void HideIcon() override {
        iconShown = false;
        calls.push_back({Kind::Hide, "", "", "", 0});
    }
    void Notify(const std::string& title, const std::string& text, int seconds) override {
        calls.push_back({Kind::Notify, "", title, text, seconds});
    }
    bool HasTray() const override { return hasTray; }
    void ShowMenu() override {
        ++showMenuCount;
        if (onShowMenu)
            onShowMenu();
    }
    void SetPaused(bool isPaused) override { paused = isPaused; }
    void OnTrayChanged(std::function<void()> handler) override { trayChanged = std::move(handler); }

    std::vector<Kind> Kinds() const {
        std::vector<Kind> kinds;
        for (const Call& call : calls)
            kinds.push_back(call.kind);
        return kinds;
    }
    // The calls of this kind, in order.
    std::vector<Call> CallsOf(Kind kind) const {
        std::vector<Call> matching;
        for (const Call& call : calls)
            if (call.kind == kind)
                matching.push_back(call);
        return matching;
    }

    std::vector<Call> calls;
    bool hasTray = true;    // what HasTray() answers
    bool iconShown = false; // ShowIcon sets it, HideIcon clears it
    int showMenuCount = 0;
    std::function<void()> onShowMenu;
    bool paused = false;
    std::function<void()> trayChanged; // what the window asked to hear when the tray comes or goes
};

} // namespace stillmark::test
