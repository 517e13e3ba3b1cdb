// The tray's decisions without a desktop: which icon is used, what a notification carries, when
// a notification is sent, and the icon's pixels as hosts read them.
#include "ui/tray/DesktopTrayIcon.h"
#include "ui/tray/IconPixmap.h"
#include "ui/tray/Notification.h"
#include "ui/tray/TrayChoice.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace stillmark {
namespace {

TEST(TrayChoiceTest, StatusNotifierFirstThenXEmbedOnX11ThenNone) {
    const struct {
        bool host, x11, xembed;
        TrayKind expected;
    } cases[] = {
        {true, true, true, TrayKind::StatusNotifier},
        {true, false, false, TrayKind::StatusNotifier}, // Wayland with a panel
        {false, true, true, TrayKind::XEmbed},
        {false, true, false, TrayKind::None},
        {false, false, true, TrayKind::None}, // Wayland: wx's tray icon cannot show there
        {false, false, false, TrayKind::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseTrayKind(c.host, c.x11, c.xembed), c.expected) << c.host << c.x11 << c.xembed;
}

TEST(TrayNotificationTest, TextsAreCutWithoutSplittingACharacter) {
    const std::string euro = "\xE2\x82\xAC"; // three bytes
    const struct {
        std::string title, text;
        std::size_t titleBytes, textBytes;
    } cases[] = {
        {"Stillmark", "It is 12:00\nStillmark time !", 9, 28},
        {std::string(63, 't'), std::string(255, 'x'), 63, 255},
        {std::string(64, 't'), std::string(300, 'x'), 63, 255},
        // 62 bytes and a three-byte character: the character goes whole.
        {std::string(62, 't') + euro, std::string(254, 'x') + euro, 62, 254},
    };
    for (const auto& c : cases) {
        const Notification n = MakeNotification(c.title, c.text, 3);
        EXPECT_EQ(n.title.size(), c.titleBytes);
        EXPECT_EQ(n.text.size(), c.textBytes);
        EXPECT_EQ(n.title, c.title.substr(0, c.titleBytes));
        EXPECT_EQ(n.text, c.text.substr(0, c.textBytes));
    }
}

TEST(TrayNotificationTest, TimeOutsAsTheServiceTakesThem) {
    const struct {
        int seconds, milliseconds;
    } cases[] = {
        {3, 3000},
        {2, 2000},
        {1, 1000},
        {0, -1},                  // zero would mean "never expires": the service's own
        {-5, -1},                 // none
        {2147483647, 2147483000}, // capped, not overflowed
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeoutMilliseconds(MakeNotification("t", "x", c.seconds)), c.milliseconds) << c.seconds;
}

TEST(TrayIconPixelsTest, Argb32InNetworkByteOrder) {
    const unsigned char rgb[] = {0x10, 0x20, 0x30, 0xA0, 0xB0, 0xC0};
    const unsigned char alpha[] = {0x80, 0x00};
    EXPECT_EQ(ToArgb32(rgb, alpha, 2),
              (std::vector<std::uint8_t>{0x80, 0x10, 0x20, 0x30, 0x00, 0xA0, 0xB0, 0xC0}));
    EXPECT_EQ(ToArgb32(rgb, nullptr, 2),
              (std::vector<std::uint8_t>{0xFF, 0x10, 0x20, 0x30, 0xFF, 0xA0, 0xB0, 0xC0}));
}

// What the icon asked of the desktop, in order.
struct Journal {
    std::vector<std::string> entries;
    int hostQuestions = 0, displayQuestions = 0, trayQuestions = 0;
};

class FakeBackend final : public TrayBackend {
public:
    FakeBackend(Journal& journal, std::string name) : m_journal(journal), m_name(std::move(name)) {
        m_journal.entries.push_back("make " + m_name);
    }
    ~FakeBackend() override { m_journal.entries.push_back("drop " + m_name); }
    void Show(const std::string& tip) override { m_journal.entries.push_back(m_name + " show " + tip); }
    void Hide() override { m_journal.entries.push_back(m_name + " hide"); }
    void ShowMenu() override { m_journal.entries.push_back(m_name + " menu"); }
    void SetPaused(bool paused) override {
        m_journal.entries.push_back(m_name + (paused ? " paused" : " running"));
    }

private:
    Journal& m_journal;
    std::string m_name;
};

class FakeNotifier final : public Notifier {
public:
    explicit FakeNotifier(std::vector<Notification>& shown) : m_shown(shown) {}
    void Show(const Notification& notification) override { m_shown.push_back(notification); }

private:
    std::vector<Notification>& m_shown;
};

class DesktopTrayIconTest : public ::testing::Test {
protected:
    std::unique_ptr<DesktopTrayIcon> MakeIcon() {
        TrayDesktop desktop;
        desktop.hasStatusNotifierHost = [this] {
            ++journal.hostQuestions;
            return host;
        };
        desktop.isX11Display = [this] {
            ++journal.displayQuestions;
            return x11;
        };
        desktop.hasXEmbedTray = [this] {
            ++journal.trayQuestions;
            return xembed;
        };
        desktop.makeBackend = [this](TrayKind kind) {
            return std::make_unique<FakeBackend>(journal,
                                                 kind == TrayKind::StatusNotifier ? "sni" : "xembed");
        };
        desktop.watchHosts = [this](std::function<void()> onChange) -> std::unique_ptr<TrayHostWatch> {
            hostsChanged = std::move(onChange);
            return std::make_unique<FakeWatch>(hostsChanged);
        };
        return std::make_unique<DesktopTrayIcon>(std::move(desktop), std::make_unique<FakeNotifier>(shown));
    }

    // Watching ends when the watch goes: the report is forgotten then.
    struct FakeWatch final : TrayHostWatch {
        explicit FakeWatch(std::function<void()>& report) : report(report) {}
        ~FakeWatch() override { report = nullptr; }
        std::function<void()>& report;
    };

    bool host = true, x11 = true, xembed = true;
    std::function<void()> hostsChanged; // set while the icon watches the desktop
    Journal journal;
    std::vector<Notification> shown;
};

TEST_F(DesktopTrayIconTest, NotificationsWhetherTheIconIsShownOrNotButOnlyWithAText) {
    auto icon = MakeIcon();
    icon->Notify("Stillmark", "before", 3); // the window is up: the reminder comes all the same
    icon->ShowIcon("Stillmark, your loyal break");
    icon->Notify("Stillmark", "", 1); // a start in the background: no balloon
    icon->Notify("Stillmark", "while shown", 3);
    icon->HideIcon();
    icon->Notify("Stillmark", "after", 3);
    EXPECT_EQ(shown, (std::vector<Notification>{MakeNotification("Stillmark", "before", 3),
                                                MakeNotification("Stillmark", "while shown", 3),
                                                MakeNotification("Stillmark", "after", 3)}));
}

TEST_F(DesktopTrayIconTest, TheKindIsChosenEachTimeTheIconIsShown) {
    auto icon = MakeIcon();
    EXPECT_FALSE(icon->HasTray()) << "nothing shown yet";
    icon->ShowIcon("tip");
    EXPECT_EQ(icon->Kind(), TrayKind::StatusNotifier);
    EXPECT_TRUE(icon->HasTray());
    EXPECT_EQ(journal.displayQuestions + journal.trayQuestions, 0)
        << "the X11 tray is asked only without a host";
    icon->ShowIcon("daily"); // shown: only the tip changes, nothing is asked again
    EXPECT_EQ(journal.hostQuestions, 1);
    icon->HideIcon();

    host = false; // the panel went away
    icon->ShowIcon("tip");
    EXPECT_EQ(icon->Kind(), TrayKind::XEmbed);
    icon->HideIcon();
    icon->ShowIcon("again"); // the same kind: the same icon
    icon->HideIcon();

    xembed = false;
    icon->ShowIcon("tip");
    EXPECT_EQ(icon->Kind(), TrayKind::None);
    EXPECT_FALSE(icon->HasTray());
    icon->Notify("Stillmark", "still arrives", 3);
    EXPECT_EQ(shown.size(), 1u) << "notifications need no tray";
    icon->ShowMenu(); // nothing to pop up
    icon->HideIcon();

    EXPECT_EQ(journal.entries,
              (std::vector<std::string>{"make sni", "sni show tip", "sni show daily", "sni hide", "drop sni",
                                        "make xembed", "xembed show tip", "xembed hide", "xembed show again",
                                        "xembed hide", "drop xembed"}));
}

TEST_F(DesktopTrayIconTest, OffX11TheX11TrayIsNeitherAskedNorMade) {
    host = false;
    x11 = false; // Wayland: making wx's tray icon alone makes GTK complain
    auto icon = MakeIcon();
    icon->ShowIcon("tip");
    EXPECT_EQ(icon->Kind(), TrayKind::None);
    EXPECT_FALSE(icon->HasTray());
    icon->HideIcon();
    icon->ShowIcon("back from the background");
    icon->HideIcon();
    EXPECT_EQ(journal.displayQuestions, 2);
    EXPECT_EQ(journal.trayQuestions, 0);
    EXPECT_TRUE(journal.entries.empty());

    x11 = true; // the same program on an X11 display
    icon->ShowIcon("tip");
    EXPECT_EQ(icon->Kind(), TrayKind::XEmbed);
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"make xembed", "xembed show tip"}));
}

TEST_F(DesktopTrayIconTest, MenuOnlyWhileShownAndTheTipIsCut) {
    auto icon = MakeIcon();
    icon->ShowMenu();
    icon->ShowIcon(std::string(126, 'a') + "\xC3\xA9" + "tail"); // the two-byte character would pass 127
    icon->ShowMenu();
    icon->HideIcon();
    icon->ShowMenu();
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"make sni", "sni show " + std::string(126, 'a'),
                                                         "sni menu", "sni hide"}));
}

TEST_F(DesktopTrayIconTest, WhileShownTheIconMovesToTheNotificationAreaThereIsNow) {
    host = false;
    xembed = false;
    auto icon = MakeIcon();
    int moves = 0;
    icon->OnTrayChanged([&] { ++moves; });
    EXPECT_FALSE(hostsChanged) << "nothing watched before the icon shows";
    icon->ShowIcon("tip");
    icon->SetPaused(true);
    ASSERT_TRUE(hostsChanged);
    const struct {
        bool host, xembed;
        TrayKind kind;
        int moves;
    } steps[] = {
        {false, false, TrayKind::None, 0},          // a change that changes nothing
        {false, true, TrayKind::XEmbed, 1},         // the X11 tray came up
        {true, true, TrayKind::StatusNotifier, 2},  // a panel with a host came up
        {true, false, TrayKind::StatusNotifier, 2}, // the X11 tray went: the panel still shows it
        {false, false, TrayKind::None, 3},          // the panel went too
        {true, false, TrayKind::StatusNotifier, 4}, // and came back
    };
    for (const auto& step : steps) {
        host = step.host;
        xembed = step.xembed;
        hostsChanged();
        EXPECT_EQ(icon->Kind(), step.kind) << step.moves;
        EXPECT_EQ(icon->HasTray(), step.kind != TrayKind::None) << step.moves;
        EXPECT_EQ(moves, step.moves);
    }
    icon->HideIcon();
    EXPECT_FALSE(hostsChanged) << "hidden, nothing is watched";
    EXPECT_EQ(journal.entries,
              (std::vector<std::string>{"make xembed", "xembed paused", "xembed show tip", "xembed hide",
                                        "drop xembed", "make sni", "sni paused", "sni show tip", "sni hide",
                                        "drop sni", "make sni", "sni paused", "sni show tip", "sni hide"}));
}

TEST_F(DesktopTrayIconTest, DestroyingTheIconTakesItAway) {
    {
        auto icon = MakeIcon();
        icon->ShowIcon("tip");
    }
    EXPECT_EQ(journal.entries,
              (std::vector<std::string>{"make sni", "sni show tip", "sni hide", "drop sni"}));
}

} // namespace
} // namespace stillmark
