// What each icon call does, the balloon time-out, the menu, and the recording double.
#include "ui/tray/NotifyIconPlan.h"
#include "RecordingNotifyIcon.h"
#include "ui/tray/TrayMenu.h"

#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(PlanNotifyIconCall, DecidesIconAndBalloonByMessageAndState) {
    const struct {
        const char* name;
        NotifyIconMessage message;
        const char* text;
        bool added;
        bool setIcon, removeIcon, showBalloon, addedAfter;
    } cases[] = {
        {"add with text", NotifyIconMessage::Add, "hello", false, true, false, true, true},
        {"add without text", NotifyIconMessage::Add, "", false, true, false, false, true},
        {"add again", NotifyIconMessage::Add, "hello", true, true, false, true, true},
        {"modify while added", NotifyIconMessage::Modify, "It is 12:00", true, true, false, true, true},
        {"modify without text", NotifyIconMessage::Modify, "", true, true, false, false, true},
        {"modify without icon", NotifyIconMessage::Modify, "It is 12:00", false, false, false, false, false},
        {"delete", NotifyIconMessage::Delete, "", true, false, true, false, false},
        {"delete twice", NotifyIconMessage::Delete, "", false, false, true, false, false},
        {"set focus", NotifyIconMessage::SetFocus, "", false, false, false, false, false},
        {"set focus keeps icon", NotifyIconMessage::SetFocus, "text", true, false, false, false, true},
    };
    for (const auto& c : cases) {
        const NotifyIconData data = FillNotifyIconData(WM_NOTIFYICON, "Stillmark", c.text, "tip", 3);
        const NotifyIconPlan plan = PlanNotifyIconCall(c.message, data, c.added);
        EXPECT_EQ(plan.setIcon, c.setIcon) << c.name;
        EXPECT_EQ(plan.removeIcon, c.removeIcon) << c.name;
        EXPECT_EQ(plan.showBalloon, c.showBalloon) << c.name;
        EXPECT_EQ(plan.iconAddedAfter, c.addedAfter) << c.name;
        if (plan.showBalloon) {
            EXPECT_EQ(plan.balloonSeconds, 3) << c.name;
        }
    }
}

TEST(BalloonSeconds, WholeSecondsAndServiceDefaultBelowOne) {
    const struct {
        std::uint32_t milliseconds;
        int seconds;
    } cases[] = {{3000, 3},
                 {2000, 2},
                 {1000, 1},
                 {1999, 1},
                 {999, kBalloonTimeoutAuto},
                 {0, kBalloonTimeoutAuto},
                 {UINT32_MAX, 4294967}};
    for (const auto& c : cases)
        EXPECT_EQ(BalloonSeconds(c.milliseconds), c.seconds) << c.milliseconds << " ms";
}

TEST(TrayMenuItems, AboutSeparatorShowExitInOrder) {
    const std::vector<TrayMenuItem>& items = TrayMenuItems();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].id, 57664);
    EXPECT_EQ(items[0].text, "About Stillmark...");
    EXPECT_EQ(items[1].id, 0);
    EXPECT_EQ(items[1].text, "");
    EXPECT_EQ(items[2].id, 103);
    EXPECT_EQ(items[2].text, "Show");
    EXPECT_EQ(items[3].id, 57665);
    EXPECT_EQ(items[3].text, "Exit");
}

TEST(RecordingNotifyIcon, KeepsACopyOfEachRecord) {
    test::RecordingNotifyIcon icon;
    INotifyIconService& service = icon;
    NotifyIconData reused = FillNotifyIconData(WM_NOTIFYICON, "Stillmark", "first", "tip", 2);
    service.Call(NotifyIconMessage::Add, reused);
    reused = FillNotifyIconData(WM_NOTIFYICON, "", "", "", 0);
    service.Call(NotifyIconMessage::Delete, reused);
    service.Call(NotifyIconMessage::SetFocus, reused);
    ASSERT_EQ(icon.calls.size(), 3u);
    EXPECT_EQ(icon.calls[0].Text(), "first");
    EXPECT_EQ(icon.calls[0].data.uTimeout, 2000u);
    EXPECT_EQ(icon.Messages(),
              (std::vector<NotifyIconMessage>{NotifyIconMessage::Add, NotifyIconMessage::Delete,
                                              NotifyIconMessage::SetFocus}));
    EXPECT_FALSE(icon.iconPresent);
}

} // namespace
} // namespace stillmark
