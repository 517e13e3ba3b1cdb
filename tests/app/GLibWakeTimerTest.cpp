// The reminder's timer on the GLib main loop, as the kernel and the system move the clock under it: a
// clock set (the timer's read fails with ECANCELED) and a new time zone each wake the reminder, which
// then arms again, and the moments that follow keep to the clock and the zone of now.
#include "platform/linux/GLibWakeTimer.h"
#include "InZone.h"
#include "TempFolder.h"
#include "schedule/LocalTime.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>

namespace stillmark {
namespace {

using namespace std::chrono_literals;

bool RunLoopUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition() && std::chrono::steady_clock::now() < end) {
        if (!g_main_context_iteration(nullptr, FALSE))
            g_usleep(10'000);
    }
    return condition();
}

TEST(GLibWakeTimerTest, AClockSetUnderTheTimerWakesTheReminderWhichArmsAgain) {
    int cancels = 1; // the first read finds the clock set
    WakeTimerSources sources;
    sources.readTimer = [&](int fd, std::uint64_t& expirations) -> ssize_t {
        const ssize_t got = ::read(fd, &expirations, sizeof expirations);
        if (cancels == 0)
            return got;
        --cancels;
        errno = ECANCELED;
        return -1;
    };
    GLibWakeTimer timer(sources);
    int wakes = 0;
    std::function<void()> onWake = [&] {
        ++wakes;
        timer.Arm(std::time(nullptr), onWake); // as the reminder does: the next moment, here at once
    };
    timer.Arm(std::time(nullptr), onWake);
    EXPECT_TRUE(RunLoopUntil([&] { return wakes >= 1; }, 3s)) << "the set clock woke nobody";
    EXPECT_TRUE(RunLoopUntil([&] { return wakes >= 3; }, 3s)) << "the moments after it did not come";
    timer.Disarm();
}

TEST(GLibWakeTimerTest, ANewTimeZoneWakesTheReminderAndTheMomentsFollowIt) {
    test::TempFolder folder;
    const std::filesystem::path zone = folder.Path() / "localtime";
    std::filesystem::copy_file("/usr/share/zoneinfo/UTC", zone);
    const test::InZone tz(":" + zone.string()); // the C library reads this file as it reads /etc/localtime
    const LocalDate day{2026, 12, 8};
    const std::time_t noonUtc = 1796731200; // 2026-12-08 12:00 UTC
    ASSERT_EQ(LocalMinuteStarts(day, 12, 0), std::vector<std::time_t>{noonUtc});

    WakeTimerSources sources;
    sources.zoneFile = zone.string();
    GLibWakeTimer timer(sources);
    int wakes = 0;
    timer.Arm(std::time(nullptr) + 3600, [&] { ++wakes; });
    RunLoopUntil([] { return false; }, 200ms); // the file's watch settles
    // Replaced as the system replaces it: a new file moved over the old one.
    std::filesystem::copy_file("/usr/share/zoneinfo/Asia/Tokyo", folder.Path() / "localtime.new");
    std::filesystem::rename(folder.Path() / "localtime.new", zone);
    EXPECT_TRUE(RunLoopUntil([&] { return wakes >= 1; }, 5s)) << "the new zone woke nobody";
    EXPECT_EQ(LocalMinuteStarts(day, 12, 0), std::vector<std::time_t>{noonUtc - 9 * 3600})
        << "12:00 in Tokyo";
    timer.Disarm();
}

} // namespace
} // namespace stillmark
