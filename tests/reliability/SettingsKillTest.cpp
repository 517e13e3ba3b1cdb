// The settings file under hostile conditions: a writer killed at random points, a folder it may not
// write, a disk that fills up mid-write. Whatever happens, the file on disk is a complete settings
// file, either the one before or one the writer finished.
//
// The same executable is the writer: "--write-loop <file> <first generation>" writes generation after
// generation until it is killed.
#include "TempFolder.h"
#include "settings/FileBytes.h"
#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace stillmark {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

std::string g_selfPath;

// Lines the writer never touches; they must survive every kill byte for byte.
const std::string kForeignLines = "; kept by hand\n[Other]\nStartHour=not ours\n\n";

// Every one of the ten exit keys carries the generation, so a file mixing two writes is recognised.
Settings SettingsOfGeneration(long generation) {
    const auto hhmm = [](long minutes) {
        char text[8];
        std::snprintf(text, sizeof text, "%02ld:%02ld", (minutes / 60) % 24, minutes % 60);
        return std::string(text);
    };
    Settings s;
    s.startTime = hhmm(generation % 1440);
    s.endTime = hhmm((generation + 1) % 1440);
    s.increment = std::to_string(generation) + " min";
    s.momentCount = static_cast<int>(generation);
    // A long value of changing length: a torn or truncated write shows as a wrong length.
    s.reminderSound = "/music/gen-" + std::to_string(generation) + "/" +
                      std::string(1500 + static_cast<std::size_t>(generation % 2500), 'x') + ".wav";
    s.useSound = generation % 2 == 1;
    s.startInBackground = static_cast<int>((generation / 2) % 3);
    s.useAmPm = (generation / 4) % 2 == 1;
    s.showTips = (generation / 8) % 2 == 1;
    s.soundFilter = static_cast<int>(generation % 4 + 1);
    const int g = static_cast<int>(generation);
    s.windowBounds = {g, g + 1, g + 2, g + 3};
    return s;
}

[[noreturn]] void WriteLoop(const fs::path& file, long generation) {
    SettingsStore store(file);
    for (;; ++generation)
        store.Save(SettingsOfGeneration(generation));
}

// What a check of the file found: the generation it holds, or why it is not a complete file.
struct FileVerdict {
    std::optional<long> generation;
    std::string fault;
};

FileVerdict Inspect(const fs::path& file) {
    const FileContent content = ReadFileBytes(file, kMaxSettingsFileBytes);
    if (content.status != ReadStatus::Ok)
        return {std::nullopt, "file cannot be read"};
    if (content.bytes.rfind(kForeignLines, 0) != 0)
        return {std::nullopt, "the hand-written lines were lost"};
    const IniDocument document = IniDocument::Parse(content.bytes);
    for (const char* key :
         {"StartHour", "EndHour", "Increment", "Stillpoints", "SoundToPlay", "UseSound", "StartMinimized",
          "UseAmPm", "ShowTip", "SoundFilter", "WinPosLTX", "WinPosLTY", "WinPosRBX", "WinPosRBY"}) {
        if (!document.Find(kSettingsSection, key))
            return {std::nullopt, std::string("key missing: ") + key};
    }
    const LoadResult stored = SettingsStore(file).Load();
    const long generation = stored.settings.momentCount;
    if (!stored.problem.empty())
        return {std::nullopt, stored.problem};
    if (stored.settings != SettingsOfGeneration(generation))
        return {std::nullopt, "keys of different writes mixed, generation " + std::to_string(generation)};
    return {generation, {}};
}

long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

int CountTemporaryFiles(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().rfind(".stillmark.INI.tmp", 0) == 0;
    return count;
}

pid_t StartWriter(const fs::path& file, long firstGeneration) {
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string first = std::to_string(firstGeneration);
        ::execl(g_selfPath.c_str(), g_selfPath.c_str(), "--write-loop", file.c_str(), first.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

// How long a writer takes from its start to its first completed write (it is then killed).
long MicrosToFirstWrite(const fs::path& file) {
    const long before = Inspect(file).generation.value_or(0);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = StartWriter(file, before + 1);
    long micros = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        if (Inspect(file).generation.value_or(before) > before) {
            micros = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                           start)
                         .count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return micros;
}

void WriteGenerationZero(const fs::path& file) {
    ASSERT_TRUE(WriteFileAtomically(file, kForeignLines).ok());
    const Outcome result = SettingsStore(file).Save(SettingsOfGeneration(0));
    ASSERT_TRUE(result.ok()) << result.problem;
}

TEST(SettingsUnderKill, EveryKillLeavesTheOldOrANewCompleteFile) {
    const long budgetSeconds = EnvNumber("STILLMARK_KILL_SECONDS", 12);
    const long maxKills = EnvNumber("STILLMARK_KILL_MAX", 600);
    TempFolder dir("stillmark-rel");
    const fs::path file = dir.Path() / "stillmark.INI";
    WriteGenerationZero(file);

    // Kills land anywhere from the writer's start to a few writes later, however slow it starts (a
    // sanitizer build starts many times slower).
    const long firstWrite = MicrosToFirstWrite(file);
    ASSERT_GT(firstWrite, 0) << "the writer never completed a write";
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<long> delayMicros(0, 2 * firstWrite + 5000);
    long last = *Inspect(file).generation, kills = 0, advanced = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(budgetSeconds);
    while (kills < maxKills && std::chrono::steady_clock::now() < deadline) {
        const pid_t child = StartWriter(file, last + 1);
        ASSERT_GE(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;
        ++kills;

        const FileVerdict verdict = Inspect(file);
        ASSERT_TRUE(verdict.generation) << "after kill " << kills << ": " << verdict.fault;
        ASSERT_GE(*verdict.generation, last) << "after kill " << kills << " the file went back in time";
        advanced += *verdict.generation > last;
        last = *verdict.generation;
    }
    // The kills must have hit a writer at work, not only one still starting.
    EXPECT_GE(kills, 100);
    EXPECT_GE(advanced, kills / 10) << "too few kills came after a completed write";
    std::cout << kills << " kills, " << advanced << " of them after a completed write, last generation "
              << last << ", " << CountTemporaryFiles(dir.Path())
              << " temporary files left behind by killed writers\n";
}

// A write the process is not allowed to finish: it fails, says so with the path, keeps the stored file byte
// for byte and leaves no temporary file.
struct RefusedWriteCase {
    const char* name;
    void (*restrict)(const fs::path& folder); // runs in the child, before the write
};

void ReadOnlyFolder(const fs::path& folder) {
    ::chmod(folder.c_str(), 0555);
    // root writes into any folder: write as an ordinary user instead.
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
        ::_exit(90);
}

void DiskFullMidWrite(const fs::path&) {
    // The size limit stands in for a full disk: writes beyond it fail (EFBIG) like ENOSPC.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        ::_exit(91);
}

class RefusedWriteTest : public testing::TestWithParam<RefusedWriteCase> {};

TEST_P(RefusedWriteTest, FailsCleanlyAndLosesNothing) {
    TempFolder dir("stillmark-rel");
    const fs::path file = dir.Path() / "stillmark.INI";
    WriteGenerationZero(file);
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod(file.c_str(), 0644);
    const std::string before = ReadFileBytes(file, kMaxSettingsFileBytes).bytes;

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        GetParam().restrict(dir.Path());
        SettingsStore store(file);
        const Outcome result = store.Save(SettingsOfGeneration(4321));
        const bool reported = result.problem.find(file.string()) != std::string::npos;
        const bool stillReadable = store.Load().settings == SettingsOfGeneration(0);
        ::_exit(result.ok() ? 1 : !stillReadable ? 2 : !reported ? 3 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(dir.Path().c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status)) << "the writer died by signal " << WTERMSIG(status);
    EXPECT_NE(WEXITSTATUS(status), 1) << "a refused write reported success";
    EXPECT_NE(WEXITSTATUS(status), 2) << "the stored settings did not read back";
    EXPECT_NE(WEXITSTATUS(status), 3) << "the failure named no path";
    EXPECT_LT(WEXITSTATUS(status), 90) << "could not set up the restriction";
    EXPECT_EQ(ReadFileBytes(file, kMaxSettingsFileBytes).bytes, before);
    EXPECT_EQ(CountTemporaryFiles(dir.Path()), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedWriteTest,
                         testing::Values(RefusedWriteCase{"ReadOnlyFolder", ReadOnlyFolder},
                                         RefusedWriteCase{"DiskFullMidWrite", DiskFullMidWrite}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace stillmark

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--write-loop")
        stillmark::WriteLoop(argv[2], std::strtol(argv[3], nullptr, 10));
    std::error_code error;
    stillmark::g_selfPath = std::filesystem::canonical("/proc/self/exe", error).string();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
