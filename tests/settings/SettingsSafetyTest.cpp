// What the store refuses to do: write over what it could not read, through links that are not the user's,
// over files too large to read; and how a failed save is reported.
#include "TempFolder.h"

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stillmark {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534; // nobody

std::string CannotSave(const fs::path& file, const std::string& reason) {
    return "Stillmark cannot save its settings to " + file.string() + ": " + reason;
}

Settings Changed() {
    Settings settings;
    settings.showTips = false;
    return settings;
}

TEST(SettingsSafetyTest, AFileThatCannotBeReadIsNeverReplaced) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        const char* reason;
        bool needsOrdinaryUser;
    };
    const Case cases[] = {
        {"folder", [](const fs::path& file) { fs::create_directory(file); }, "Is a directory", false},
        {"link to itself", [](const fs::path& file) { fs::create_symlink(file.filename(), file); },
         "Too many levels of symbolic links", false},
        {"no read permission",
         [](const fs::path& file) {
             test::WriteBytes(file, "[Settings]\nShowTip=1\n");
             ::chmod(file.c_str(), 0200);
         },
         "Permission denied", true},
    };
    for (const Case& c : cases) {
        if (c.needsOrdinaryUser && ::geteuid() == 0)
            continue; // root reads anything
        test::TempFolder folder;
        const fs::path file = folder.Path() / "stillmark.INI";
        c.make(file);
        const auto before = fs::symlink_status(file);
        SettingsStore store(file);
        const LoadResult loaded = store.Load();
        EXPECT_EQ(loaded.settings, Settings{}) << c.name;
        EXPECT_NE(loaded.problem.find(file.string()), std::string::npos) << c.name;
        EXPECT_NE(loaded.problem.find(c.reason), std::string::npos) << c.name << ": " << loaded.problem;

        const Outcome saved = store.Save(Changed());
        EXPECT_FALSE(saved.ok()) << c.name;
        EXPECT_NE(saved.problem.rfind(CannotSave(file, ""), 0), std::string::npos) << c.name;
        EXPECT_NE(saved.problem.find(c.reason), std::string::npos) << c.name << ": " << saved.problem;
        const auto after = fs::symlink_status(file);
        EXPECT_EQ(after.type(), before.type()) << c.name;
        EXPECT_EQ(after.permissions(), before.permissions()) << c.name;
        EXPECT_EQ(test::FileNames(folder.Path()), std::vector<std::string>{"stillmark.INI"}) << c.name;
    }
}

// A save the process may not finish: ok false, the reason named, the old file whole, no temporary left.
TEST(SettingsSafetyTest, AFailedSaveSaysWhyAndKeepsTheOldFile) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> restrict, lift;
        const char* reason;
        bool needsOrdinaryUser;
    };
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const Case cases[] = {
        {"read-only folder", [](const fs::path& folder) { ::chmod(folder.c_str(), 0555); },
         [](const fs::path& folder) { ::chmod(folder.c_str(), 0755); }, "Permission denied", true},
        // A file size limit below the new content fails the write as a full disk would.
        {"full disk",
         [&](const fs::path&) {
             rlimit small = saved;
             small.rlim_cur = 16;
             ::setrlimit(RLIMIT_FSIZE, &small);
         },
         [&](const fs::path&) { ::setrlimit(RLIMIT_FSIZE, &saved); }, "File too large", false},
    };
    for (const Case& c : cases) {
        if (c.needsOrdinaryUser && ::geteuid() == 0)
            continue; // root writes into read-only folders; the full disk covers the failure path
        test::TempFolder folder;
        const fs::path file = folder.Path() / "stillmark.INI";
        const std::string old = "[Settings]\nSoundToPlay=/old.wav\n";
        test::WriteBytes(file, old);
        c.restrict(folder.Path());
        const Outcome result = SettingsStore(file).Save(Changed());
        c.lift(folder.Path());
        EXPECT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.problem, CannotSave(file, c.reason)) << c.name;
        EXPECT_EQ(test::ReadBytes(file), old) << c.name;
        EXPECT_EQ(test::FileNames(folder.Path()), std::vector<std::string>{"stillmark.INI"}) << c.name;
    }
    std::signal(SIGXFSZ, savedSignal);
}

TEST(SettingsSafetyTest, AFileOverOneMebibyteIsNeitherReadNorRewritten) {
    test::TempFolder folder;
    const fs::path file = folder.Path() / "stillmark.INI";
    for (const std::size_t size : {kMaxSettingsFileBytes, kMaxSettingsFileBytes + 1, std::size_t{1} << 30}) {
        std::string bytes = "[Settings]\nStillpoints=9\n";
        test::WriteBytes(file, bytes);
        fs::resize_file(file, size); // sparse: a gigabyte costs nothing
        SettingsStore store(file);
        const LoadResult loaded = store.Load();
        const Outcome saved = store.Save(Changed());
        if (size <= kMaxSettingsFileBytes) {
            EXPECT_EQ(loaded.settings.momentCount, 9);
            EXPECT_TRUE(saved.ok()) << saved.problem;
            continue;
        }
        EXPECT_EQ(loaded.settings, Settings{}) << size;
        EXPECT_EQ(loaded.problem,
                  "Stillmark does not read its settings from " + file.string() +
                      ": the file is larger than 1 MiB. It uses the defaults and leaves the file as "
                      "it is.");
        EXPECT_FALSE(saved.ok()) << size;
        EXPECT_EQ(saved.problem, CannotSave(file, "the file is larger than 1 MiB"));
        EXPECT_EQ(fs::file_size(file), size);
        EXPECT_EQ(test::FileNames(folder.Path()), std::vector<std::string>{"stillmark.INI"});
    }
}

// Links: written through only when every link on the way is the user's (or root's) in a folder no one
// else can write, and the chain ends in a file of the user's.
TEST(SettingsSafetyTest, LinksAreFollowedOnlyToTheUsersOwnFiles) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> make; // makes folder/stillmark.INI a link
        bool written;                                     // through the link, into folder/target/real.INI
        bool needsRoot;                                   // to hand a file to another user
    };
    const auto target = [](const fs::path& folder) { return folder / "target" / "real.INI"; };
    const auto content = [&](const fs::path& folder) {
        return fs::is_regular_file(target(folder)) ? test::ReadBytes(target(folder)) : std::string();
    };
    const Case cases[] = {
        {"to the user's file", [&](const fs::path& f) { test::WriteBytes(target(f), "; mine\n"); }, true,
         false},
        {"dangling, in the user's folder", [](const fs::path&) {}, true, false},
        {"to a folder", [&](const fs::path& f) { fs::create_directory(target(f)); }, false, false},
        {"to another user's file",
         [&](const fs::path& f) {
             test::WriteBytes(target(f), "; theirs\n");
             ::chown(target(f).c_str(), kOtherUser, kOtherUser);
         },
         false, true},
        {"dangling, in another user's folder",
         [&](const fs::path& f) { ::chown(target(f).parent_path().c_str(), kOtherUser, kOtherUser); }, false,
         true},
        {"owned by another user",
         [&](const fs::path& f) {
             test::WriteBytes(target(f), "; mine\n");
             ::lchown((f / "stillmark.INI").c_str(), kOtherUser, kOtherUser);
         },
         false, true},
        {"dangling, to a link", [&](const fs::path& f) { fs::create_symlink("elsewhere.INI", target(f)); },
         false, false},
        {"through the user's link to the user's file",
         [&](const fs::path& f) {
             test::WriteBytes(f / "target" / "own.INI", "; mine\n");
             fs::create_symlink("own.INI", target(f));
         },
         true, false},
        {"through a link in a folder others can write",
         [&](const fs::path& f) {
             test::WriteBytes(f / "target" / "own.INI", "; mine\n");
             fs::create_symlink("own.INI", target(f));
             fs::permissions(f / "target", fs::perms::all);
         },
         false, false},
        {"through another user's link to the user's file",
         [&](const fs::path& f) {
             test::WriteBytes(f / "target" / "profile", "; mine\n");
             fs::create_symlink("profile", target(f));
             ::lchown(target(f).c_str(), kOtherUser, kOtherUser);
         },
         false, true},
    };
    for (const Case& c : cases) {
        if (c.needsRoot && ::geteuid() != 0)
            continue;
        test::TempFolder folder;
        fs::create_directory(folder.Path() / "target");
        const fs::path link = folder.Path() / "stillmark.INI";
        fs::create_symlink("target/real.INI", link);
        c.make(folder.Path());
        const std::string before = content(folder.Path());
        const bool existed = fs::exists(fs::symlink_status(target(folder.Path())));

        const Outcome result = SettingsStore(link).Save(Changed());
        EXPECT_TRUE(fs::is_symlink(link)) << c.name << ": the link stays";
        EXPECT_EQ(result.ok(), c.written) << c.name << ": " << result.problem;
        if (c.written) {
            EXPECT_EQ(SettingsStore(link).Load().settings, Changed()) << c.name;
            EXPECT_EQ(content(folder.Path()).rfind(before, 0), 0u) << c.name;
        } else {
            EXPECT_EQ(result.problem.rfind(
                          CannotSave(link, "it is a link to " + target(folder.Path()).string()), 0),
                      0u)
                << c.name << ": " << result.problem;
            EXPECT_EQ(fs::exists(fs::symlink_status(target(folder.Path()))), existed) << c.name;
            EXPECT_EQ(content(folder.Path()), before) << c.name;
        }
        EXPECT_EQ(test::FileNames(folder.Path()), (std::vector<std::string>{"stillmark.INI", "target"}))
            << c.name;
    }
}

// A file of another user's in the user's folder is replaced by one of the user's, in the user's own mode.
TEST(SettingsSafetyTest, AForeignFileIsReplacedInTheUsersOwnMode) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to hand a file to another user";
    test::TempFolder folder;
    const fs::path file = folder.Path() / "stillmark.INI";
    test::WriteBytes(file, "[Settings]\n");
    ::chown(file.c_str(), kOtherUser, kOtherUser);
    ::chmod(file.c_str(), 0666);
    const mode_t mask = ::umask(022);
    ::umask(mask);

    ASSERT_TRUE(SettingsStore(file).Save(Changed()).ok());
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, ::geteuid());
    EXPECT_EQ(status.st_mode & 07777, 0666 & ~mask);
}

// A relative path whose working folder is gone: the save says so, and nothing throws out of it.
TEST(SettingsSafetyTest, ASaveWhoseFolderCannotBeFoundFailsWithoutThrowing) {
    const fs::path before = fs::current_path();
    {
        test::TempFolder folder;
        ASSERT_EQ(::chdir(folder.Path().c_str()), 0);
    }
    Outcome saved;
    EXPECT_NO_THROW(saved = SettingsStore("stillmark.INI").Save(Changed()));
    fs::current_path(before);
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(saved.problem.rfind(CannotSave("stillmark.INI", ""), 0), 0u) << saved.problem;
}

} // namespace
} // namespace stillmark
