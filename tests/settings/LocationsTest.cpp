// Where Linux keeps the settings file: the desktop's configuration folder.
#include "platform/linux/Locations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace stillmark {
namespace {

class DefaultSettingsPathTest : public testing::Test {
protected:
    void SetUp() override {
        Save("XDG_CONFIG_HOME", m_xdg);
        Save("HOME", m_home);
    }
    void TearDown() override {
        Restore("XDG_CONFIG_HOME", m_xdg);
        Restore("HOME", m_home);
    }

private:
    static void Save(const char* name, std::optional<std::string>& into) {
        if (const char* value = std::getenv(name)) {
            into = value;
        }
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    std::optional<std::string> m_xdg, m_home;
};

TEST_F(DefaultSettingsPathTest, FollowsTheDesktopConfigFolder) {
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/cfg/stillmark.INI");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/home/someone/.config/stillmark.INI");
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/home/someone/.config/stillmark.INI");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsPath(), "/home/someone/.config/stillmark.INI");
}

} // namespace
} // namespace stillmark
