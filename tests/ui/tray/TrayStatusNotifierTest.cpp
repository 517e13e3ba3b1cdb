// The StatusNotifierItem on the private session bus, seen as a panel sees it: registered with the
// watcher, its properties, Activate, its menu clicked through com.canonical.dbusmenu, registered
// again when the watcher comes back, gone from the bus when hidden; and the choice of icon.
#include "EventPump.h"
#include "TrayDesktopHelpers.h"
#include "platform/linux/StatusNotifierItem.h"
#include "platform/linux/StatusNotifierWatcher.h"
#include "ui/tray/TrayIcon.h"

#include <algorithm>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/frame.h>

using namespace std::chrono_literals;

namespace stillmark {
namespace {

constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";

bool IsRegistered(const std::string& busName) {
    const auto items = test::RegisteredItems();
    return std::find(items.begin(), items.end(), busName + "/StatusNotifierItem") != items.end();
}

std::string StringProperty(const std::string& busName, const char* name) {
    GVariant* value = test::GetBusProperty(busName, kItemPath, kItemInterface, name);
    if (value == nullptr)
        return "(missing)";
    std::string text = g_variant_is_of_type(value, G_VARIANT_TYPE_STRING) ||
                               g_variant_is_of_type(value, G_VARIANT_TYPE_OBJECT_PATH)
                           ? g_variant_get_string(value, nullptr)
                           : g_variant_print(value, FALSE);
    g_variant_unref(value);
    return text;
}

struct MenuEntry {
    int id;
    std::string label, type;
};

// The top level of the item's menu as the host reads it.
std::vector<MenuEntry> MenuLayout(const std::string& busName) {
    std::vector<MenuEntry> entries;
    GVariant* reply = test::CallOnBus(busName, kItemMenuPath, "com.canonical.dbusmenu", "GetLayout",
                                      g_variant_new("(ii@as)", 0, -1, g_variant_new_strv(nullptr, 0)));
    if (reply == nullptr)
        return entries;
    GVariant* layout = g_variant_get_child_value(reply, 1); // (ia{sv}av)
    GVariant* children = g_variant_get_child_value(layout, 2);
    for (gsize i = 0; i < g_variant_n_children(children); ++i) {
        GVariant* boxed = g_variant_get_child_value(children, i);
        GVariant* child = g_variant_get_variant(boxed);
        MenuEntry entry{};
        GVariant* properties = nullptr;
        g_variant_get(child, "(i@a{sv}@av)", &entry.id, &properties, nullptr);
        const char* text = nullptr;
        if (g_variant_lookup(properties, "label", "&s", &text))
            entry.label = text;
        if (g_variant_lookup(properties, "type", "&s", &text))
            entry.type = text;
        entries.push_back(entry);
        g_variant_unref(properties);
        g_variant_unref(child);
        g_variant_unref(boxed);
    }
    g_variant_unref(children);
    g_variant_unref(layout);
    g_variant_unref(reply);
    return entries;
}

class TrayStatusNotifierTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::FailOnWxAssert();
        owner = new wxFrame(nullptr, wxID_ANY, "owner");
        owner->Bind(wxEVT_MENU, [this](wxCommandEvent& event) { commands.push_back(event.GetId()); });
        item = std::make_unique<StatusNotifierItem>(*owner, test::MakeTestIcon(32),
                                                    [this](TrayClick click) { clicks.push_back(click); });
    }
    void TearDown() override {
        item.reset();
        owner->Destroy();
    }

    // Shows the item and waits until the watcher lists it.
    std::string ShowRegistered(const std::string& tip = "Stillmark, your loyal break") {
        item->Show(tip);
        const std::string name = item->BusName();
        EXPECT_TRUE(test::PumpUntil([&] { return IsRegistered(name); }, 5000ms)) << name;
        return name;
    }

    wxFrame* owner = nullptr;
    std::unique_ptr<StatusNotifierItem> item;
    std::vector<int> commands;
    std::vector<TrayClick> clicks;
};

TEST_F(TrayStatusNotifierTest, RegistersWithTheWatcherAndLeavesTheBusWhenHidden) {
    ASSERT_TRUE(IsStatusNotifierHostRegistered()) << "the private desktop's watcher reports a host";
    const std::string name = ShowRegistered();
    EXPECT_TRUE(test::NameHasOwner(name));
    item->Hide();
    EXPECT_TRUE(test::PumpUntil([&] { return !test::NameHasOwner(name) && !IsRegistered(name); }, 5000ms));
    EXPECT_EQ(item->BusName(), "");
}

TEST_F(TrayStatusNotifierTest, PropertiesAsAPanelReadsThem) {
    const std::string name = ShowRegistered();
    const struct {
        const char* property;
        const char* expected;
    } cases[] = {
        {"Category", "ApplicationStatus"},
        {"Id", "stillmark"},
        {"Title", "Stillmark"},
        {"Status", "Active"},
        {"IconName", "stillmark"},
        {"Menu", kItemMenuPath},
        {"ItemIsMenu", "false"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringProperty(name, c.property), c.expected) << c.property;

    GVariant* tip = test::GetBusProperty(name, kItemPath, kItemInterface, "ToolTip");
    ASSERT_NE(tip, nullptr);
    const char* title = nullptr;
    g_variant_get(tip, "(&s@a(iiay)&s&s)", nullptr, nullptr, &title, nullptr);
    EXPECT_STREQ(title, "Stillmark, your loyal break");
    g_variant_unref(tip);
    item->Show("Stillmark, your daily break !"); // shown: the tip changes
    tip = test::GetBusProperty(name, kItemPath, kItemInterface, "ToolTip");
    g_variant_get(tip, "(&s@a(iiay)&s&s)", nullptr, nullptr, &title, nullptr);
    EXPECT_STREQ(title, "Stillmark, your daily break !");
    g_variant_unref(tip);

    // The program's icon as ARGB32 pixmaps: 22 and 44 pixels, opaque blue as the test icon.
    GVariant* pixmaps = test::GetBusProperty(name, kItemPath, kItemInterface, "IconPixmap");
    ASSERT_NE(pixmaps, nullptr);
    std::vector<int> sizes;
    GVariantIter iter;
    g_variant_iter_init(&iter, pixmaps);
    int width = 0, height = 0;
    GVariant* bytes = nullptr;
    while (g_variant_iter_next(&iter, "(ii@ay)", &width, &height, &bytes)) {
        sizes.push_back(width);
        EXPECT_EQ(width, height);
        gsize length = 0;
        const auto* argb = static_cast<const std::uint8_t*>(g_variant_get_fixed_array(bytes, &length, 1));
        ASSERT_EQ(length, static_cast<gsize>(width * height * 4));
        EXPECT_EQ(std::vector<std::uint8_t>(argb, argb + 4), (std::vector<std::uint8_t>{0xFF, 0, 0, 0xFF}));
        g_variant_unref(bytes);
    }
    g_variant_unref(pixmaps);
    EXPECT_EQ(sizes, (std::vector<int>{22, 44}));
}

TEST_F(TrayStatusNotifierTest, ActivateIsTheLeftPressAndMayHideTheItem) {
    item = std::make_unique<StatusNotifierItem>(*owner, test::MakeTestIcon(), [this](TrayClick click) {
        clicks.push_back(click);
        item->Hide(); // as the main window does on a left press
    });
    const std::string name = ShowRegistered();
    GVariant* reply =
        test::CallOnBus(name, kItemPath, kItemInterface, "Activate", g_variant_new("(ii)", 10, 10));
    ASSERT_NE(reply, nullptr) << "Activate is answered";
    g_variant_unref(reply);
    EXPECT_TRUE(test::PumpUntil([this] { return !clicks.empty(); }, 3000ms));
    EXPECT_EQ(clicks, std::vector<TrayClick>{TrayClick::LeftPress});
    EXPECT_TRUE(test::PumpUntil([&] { return !test::NameHasOwner(name); }, 3000ms));
}

TEST_F(TrayStatusNotifierTest, EachMenuEntryClickedReachesTheOwner) {
    const std::string name = ShowRegistered();
    std::vector<MenuEntry> entries;
    test::PumpUntil(
        [&] {
            entries = MenuLayout(name);
            return entries.size() == 5;
        },
        5000ms);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].label, "About Stillmark...");
    EXPECT_EQ(entries[1].type, "separator");
    EXPECT_EQ(entries[2].label, "Show");
    EXPECT_EQ(entries[3].label, "Pause for today");
    EXPECT_EQ(entries[4].label, "Exit");
    const auto pauseReads = [&](const std::string& label) {
        const std::vector<MenuEntry> now = MenuLayout(name);
        return now.size() == 5 && now[3].label == label;
    };
    item->SetPaused(true); // the host reads the entry again
    EXPECT_TRUE(test::PumpUntil([&] { return pauseReads("Resume reminders"); }, 3000ms));
    item->SetPaused(false);
    EXPECT_TRUE(test::PumpUntil([&] { return pauseReads("Pause for today"); }, 3000ms));
    const struct {
        std::size_t position;
        int expected;
    } cases[] = {{0, wxID_ABOUT}, {2, kIdShow}, {3, kIdPause}, {4, wxID_EXIT}};
    for (const auto& c : cases) {
        commands.clear();
        GVariant* reply = test::CallOnBus(
            name, kItemMenuPath, "com.canonical.dbusmenu", "Event",
            g_variant_new("(isvu)", entries[c.position].id, "clicked", g_variant_new_int32(0), 0u));
        ASSERT_NE(reply, nullptr);
        g_variant_unref(reply);
        EXPECT_TRUE(test::PumpUntil([this] { return !commands.empty(); }, 3000ms))
            << entries[c.position].label;
        EXPECT_EQ(commands, std::vector<int>{c.expected}) << entries[c.position].label;
    }
    EXPECT_TRUE(clicks.empty()) << "menu choices are no clicks";
}

TEST_F(TrayStatusNotifierTest, PausedBeforeItShowsTheMenuOffersToResume) {
    item->SetPaused(true); // a start on a paused day: the pause is known before the icon shows
    const std::string name = ShowRegistered();
    EXPECT_TRUE(test::PumpUntil(
        [&] {
            const std::vector<MenuEntry> entries = MenuLayout(name);
            return entries.size() == 5 && entries[3].label == "Resume reminders";
        },
        5000ms));
}

TEST_F(TrayStatusNotifierTest, RegistersAgainWhenTheWatcherComesBack) {
    const std::string name = ShowRegistered();
    ASSERT_TRUE(test::PumpUntil([this] { return item->Registrations() == 1; }, 3000ms));
    {
        test::TestWatcher restarted(true, true); // the panel restarted: another watcher
        ASSERT_TRUE(restarted.Started());
        EXPECT_TRUE(test::PumpUntil([&] { return IsRegistered(name); }, 5000ms));
        EXPECT_EQ(item->Registrations(), 2);
    }
    // The desktop's own watcher is back: asked again.
    EXPECT_TRUE(test::PumpUntil([this] { return item->Registrations() == 3; }, 5000ms));
    EXPECT_TRUE(IsRegistered(name));
}

// Runs on a session bus of its own without a watcher (see the next test).
TEST_F(TrayStatusNotifierTest, WatcherGoneAndBackInChild) {
    if (!test::InChildRun())
        GTEST_SKIP() << "runs only as the child of RegistersAgainWhenTheWatcherIsGoneAndBack";
    std::string name;
    {
        test::TestWatcher first(false, true);
        ASSERT_TRUE(first.Started());
        name = ShowRegistered();
        ASSERT_TRUE(test::PumpUntil([this] { return item->Registrations() == 1; }, 3000ms));
    }
    EXPECT_TRUE(test::RegisteredItems().empty()) << "no watcher";
    test::TestWatcher second(false, true); // the panel started again
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(test::PumpUntil([&] { return IsRegistered(name); }, 5000ms));
    EXPECT_EQ(item->Registrations(), 2);
}

TEST(TrayStatusNotifierWatcher, RegistersAgainWhenTheWatcherIsGoneAndBack) {
    EXPECT_TRUE(test::ChildTestPasses("timeout 60 dbus-run-session --",
                                      "TrayStatusNotifierTest.WatcherGoneAndBackInChild"));
}

TEST(TrayChoiceOnTheDesktop, StatusNotifierWithAHostElseTheX11Tray) {
    test::FailOnWxAssert();
    auto* owner = new wxFrame(nullptr, wxID_ANY, "owner");
    auto icon = MakeDesktopTrayIcon(*owner, test::MakeTestIcon(), [](TrayClick) {});
    const auto ourItems = [] {
        const std::string prefix = "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-";
        const auto items = test::RegisteredItems();
        return std::count_if(items.begin(), items.end(),
                             [&](const std::string& item) { return item.rfind(prefix, 0) == 0; });
    };
    icon->ShowIcon("Stillmark, your loyal break");
    EXPECT_TRUE(icon->HasTray());
    EXPECT_TRUE(test::PumpUntil([&] { return ourItems() == 1; }, 5000ms)) << "a StatusNotifierItem";
    icon->HideIcon();
    EXPECT_TRUE(test::PumpUntil([&] { return ourItems() == 0; }, 5000ms));
    {
        test::TestWatcher noPanel(true, false); // a watcher without a host
        ASSERT_TRUE(noPanel.Started());
        icon->ShowIcon("Stillmark, your loyal break");
        EXPECT_TRUE(icon->HasTray()) << "the X11 tray";
        test::PumpEvents(500ms);
        EXPECT_EQ(ourItems(), 0) << "no StatusNotifierItem";
        icon->HideIcon();
    }
    icon.reset();
    owner->Destroy();
}

} // namespace
} // namespace stillmark
