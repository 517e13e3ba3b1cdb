// Start with Windows through the Run key, on a key of the test's own under HKEY_CURRENT_USER.
#include "platform/windows/RunKeyAutostart.h"

#include <gtest/gtest.h>
#include <string>
#include <wx/log.h>
#include <wx/msw/registry.h>
#include <wx/utils.h>

namespace stillmark {
namespace {

class RunKeyAutostartTest : public ::testing::Test {
protected:
    const std::string m_keyPath = "Software\\StillmarkTests\\Run" + std::to_string(wxGetProcessId());

    ~RunKeyAutostartTest() override {
        wxLogNull quiet;
        wxRegKey(wxRegKey::HKCU, "Software\\StillmarkTests").DeleteSelf();
    }

    std::string StoredValue() const {
        wxLogNull quiet;
        wxRegKey key(wxRegKey::HKCU, wxString::FromUTF8(m_keyPath));
        wxString value;
        return key.Exists() && key.QueryValue("Stillmark", value) ? value.utf8_string() : std::string();
    }
};

TEST_F(RunKeyAutostartTest, TurnsOnWithTheQuotedPathAndOffAgain) {
    const struct {
        const char* name;
        std::string program;
    } cases[] = {
        {"a path with spaces", "C:\\Program Files\\Stillmark\\stillmark.exe"},
        {"a path beyond ASCII", "C:\\Users\\Zo\xc3\xab\\AppData\\Local\\Programs\\Stillmark\\stillmark.exe"},
    };
    for (const auto& c : cases) {
        RunKeyAutostart autostart(c.program, AsWritten, m_keyPath);
        EXPECT_FALSE(autostart.IsOn()) << c.name;
        EXPECT_EQ(autostart.TurnOn(), "") << c.name;
        EXPECT_TRUE(autostart.IsOn()) << c.name;
        EXPECT_EQ(StoredValue(), '"' + c.program + '"') << c.name;
        EXPECT_EQ(autostart.TurnOff(), "") << c.name;
        EXPECT_FALSE(autostart.IsOn()) << c.name;
        EXPECT_EQ(autostart.TurnOff(), "") << c.name << ": off stays off without a complaint";
    }
}

TEST_F(RunKeyAutostartTest, AnUnknownProgramPathIsRefusedAndStaysOff) {
    RunKeyAutostart autostart("", AsWritten, m_keyPath);
    EXPECT_NE(autostart.TurnOn(), "");
    EXPECT_FALSE(autostart.IsOn());
    EXPECT_EQ(StoredValue(), "");
}

} // namespace
} // namespace stillmark
