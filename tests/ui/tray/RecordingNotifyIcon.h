#pragma once
// A notification-area icon service that records every call instead of reaching the
// desktop: the double for the main dialog's tests. Header only.
#include "ui/tray/NotifyIcon.h"

#include <functional>
#include <string>
#include <vector>

namespace stillmark::test {

class RecordingNotifyIcon final : public INotifyIconService {
public:
    struct Record {
        NotifyIconMessage message;
        NotifyIconData data; // a copy: the caller reuses its record
        std::string Title() const { return FieldText(data.szInfoTitle); }
        std::string Text() const { return FieldText(data.szInfo); }
        std::string Tip() const { return FieldText(data.szTip); }
    };

    void Call(NotifyIconMessage message, const NotifyIconData& data) override {
        calls.push_back({message, data});
        if (message == NotifyIconMessage::Add)
            iconPresent = true;
        else if (message == NotifyIconMessage::Delete)
            iconPresent = false;
        if (onCall)
            onCall(calls.back());
    }
    bool IsAvailable() const override { return available; }
    void ShowMenu() override {
        ++showMenuCount;
        // A test may "choose" a command here, e.g. by posting a menu event to the dialog.
        if (onShowMenu)
            onShowMenu();
    }

    std::vector<NotifyIconMessage> Messages() const {
        std::vector<NotifyIconMessage> messages;
        for (const Record& record : calls)
            messages.push_back(record.message);
        return messages;
    }
    // The calls with this message, in order.
    std::vector<Record> CallsOf(NotifyIconMessage message) const {
        std::vector<Record> matching;
        for (const Record& record : calls)
            if (record.message == message)
                matching.push_back(record);
        return matching;
    }
    void Clear() {
        calls.clear();
        showMenuCount = 0;
    }

    std::vector<Record> calls;
    bool available = true;    // what IsAvailable() answers
    bool iconPresent = false; // Add sets it, Delete clears it
    int showMenuCount = 0;
    std::function<void(const Record&)> onCall;
    std::function<void()> onShowMenu;
};

} // namespace stillmark::test
