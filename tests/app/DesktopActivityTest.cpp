#include "platform/linux/LinuxDesktopActivity.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

namespace stillmark {
namespace {

TEST(DesktopActivityTest, GnomeIsOneOfTheDesktopsNamedNotAPartOfAName) {
    const std::pair<const char*, bool> cases[] = {
        {"GNOME", true},
        {"ubuntu:GNOME", true},
        {"GNOME-Classic:GNOME", true},
        {"GNOME-Flashback", true},
        {"KDE", false},
        {"X-Cinnamon", false},
        {"", false},
        {"XFCE:MYGNOME", false},
        {"Budgie:GNOME:", true},
    };
    for (const auto& [desktop, gnome] : cases)
        EXPECT_EQ(IsGnomeDesktop(desktop), gnome) << '"' << desktop << '"';
}

TEST(DesktopActivityTest, TheFirstBooleanOfAnyReplyShapeAndNoOtherwise) {
    const std::pair<const char*, bool> cases[] = {
        {"(true,)", true},      {"(<true>,)", true}, {"(false,)", false}, {"<<true>>", true},
        {"(uint32 1,)", false}, {"('yes',)", false}, {"()", false},       {"(<'true'>,)", false},
    };
    for (const auto& [text, yes] : cases) {
        GVariant* reply = g_variant_ref_sink(g_variant_parse(nullptr, text, nullptr, nullptr, nullptr));
        EXPECT_EQ(FirstBoolean(reply), yes) << text;
        g_variant_unref(reply);
    }
    EXPECT_FALSE(FirstBoolean(nullptr));
}

} // namespace
} // namespace stillmark
