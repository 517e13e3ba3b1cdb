#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "ui/info/BrowserLookup.h"

using namespace stillmark;
namespace fs = std::filesystem;

namespace {

class BrowserLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("stillmark-browser-" + std::to_string(::getpid()));
        fs::remove_all(root);
        dirs.configHome = (root / "config").string();
        dirs.configDirs = {(root / "etcxdg").string()};
        dirs.dataHome = (root / "data").string();
        dirs.dataDirs = {(root / "share1").string(), (root / "share2").string()};
    }
    void TearDown() override { fs::remove_all(root); }
    void Write(const fs::path& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }
    fs::path root;
    DesktopDirs dirs;
};

TEST_F(BrowserLookupTest, UsesTheExecOfTheDefaultHttpsHandler) {
    Write("config/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/https=missing.desktop;web.desktop;\n");
    Write("share2/applications/web.desktop",
          "[Desktop Entry]\nName=Web\nExec[de]=wrong\nExec=/opt/web\\sbrowser/run --new \"%u\"\n"
          "[Desktop Action new]\nExec=other\n");
    EXPECT_EQ(FindBrowserCommand(dirs), std::optional<std::string>("/opt/web browser/run --new \"%u\""));
}

TEST_F(BrowserLookupTest, TheUsersEntryOverridesTheSystemsAndHttpComesBeforeHtml) {
    Write("share1/applications/mimeapps.list", "[Default Applications]\ntext/html=viewer.desktop\n");
    Write("etcxdg/mimeapps.list", "[Default Applications]\nx-scheme-handler/http=web.desktop\n");
    Write("share1/applications/web.desktop", "[Desktop Entry]\nExec=system-web %u\n");
    Write("share1/applications/viewer.desktop", "[Desktop Entry]\nExec=viewer %f\n");
    Write("data/applications/web.desktop", "[Desktop Entry]\nExec=user-web %u\n");
    EXPECT_EQ(FindBrowserCommand(dirs), std::optional<std::string>("user-web %u"));
}

TEST_F(BrowserLookupTest, FallsBackToTheBrowserVariable) {
    EXPECT_EQ(FindBrowserCommand(dirs), std::nullopt);
    dirs.browserVariable = "w3m %s:lynx";
    EXPECT_EQ(FindBrowserCommand(dirs), std::optional<std::string>("w3m "));
}

TEST(DesktopEntry, ValuesAndEscapes) {
    EXPECT_EQ(UnescapeDesktopValue("a\\sb\\\\c\\td\\x"), "a b\\c\td\\x");
    EXPECT_EQ(DesktopEntryValue("# c\n[Other]\nExec=no\n[Desktop Entry]\n Exec = yes %U \n", "Exec"),
              std::optional<std::string>("yes %U"));
    EXPECT_EQ(DesktopEntryValue("[Desktop Entry]\nName=x\n", "Exec"), std::nullopt);
    EXPECT_EQ(DefaultApplications("[Default Applications]\ntext/html=a.desktop;b.desktop\n", "text/html"),
              (std::vector<std::string>{"a.desktop", "b.desktop"}));
}

} // namespace
