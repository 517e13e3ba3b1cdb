// The sound decisions of the Play and Stop buttons and of the reminder, against a recording engine,
// and the failure message against a recording engine and the real one.
#include "sound/SoundPlayback.h"
#include "EventPump.h"
#include "RecordingDoubles.h"
#include "TempFolder.h"
#include "base/MessageBox.h"
#include "platform/linux/GstSoundEngine.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace stillmark {
namespace {

using namespace std::chrono_literals;
using Calls = std::vector<std::string>;
using test::PumpEvents;
using test::PumpUntil;

using RecordingEngine = test::RecordingSoundEngine;
using test::RecordingMessageBox;

class SoundPlaybackTest : public ::testing::Test {
protected:
    RecordingEngine engine;
    RecordingMessageBox messages;
    SoundPlayback playback{engine, messages, 0ms};
    // What the reminder played once its pause has passed.
    Calls Reminder(const std::string& soundText) {
        engine.calls.clear();
        playback.PlayForReminder(soundText);
        PumpEvents(20ms);
        return engine.calls;
    }
};

const std::vector<std::string> kWarning{"Can't play the sound"};

Calls MediaPlay(const std::string& path) {
    return {"StopMedia", "CloseMedia", "OpenMedia " + path, "PlayMediaFromStart"};
}

const Calls kChime{"PlayWaveMemory"};

struct Case {
    std::string soundText;
    Calls expected;
};

TEST_F(SoundPlaybackTest, PlayButtonChoosesThePlayerBySoundText) {
    const std::vector<Case> cases{
        {"Default", kChime},
        {"default", kChime},
        {"DEFAULT", kChime},
        {"dEfAuLt", kChime},
        {"", kChime},
        {"/home/ann/Sounds/bell.wav", {"PlayWaveFile /home/ann/Sounds/bell.wav"}},
        {"/home/ann/Sounds/BELL.WAV", {"PlayWaveFile /home/ann/Sounds/BELL.WAV"}},
        {"/home/ann/Sounds/song.mp3", MediaPlay("/home/ann/Sounds/song.mp3")},
        {"/home/ann/Sounds/Song.Mp3", MediaPlay("/home/ann/Sounds/Song.Mp3")},
        {"/home/ann/Sounds/talk.WMA", MediaPlay("/home/ann/Sounds/talk.WMA")},
        {"Welcome.wma", MediaPlay("Welcome.wma")},
        {"/home/ann/my.sounds/bell", {}}, // the only "." is in a folder name
        {"/home/ann/Sounds/bell", {}},
        {"/home/ann/Sounds/bell.ogg", {}},
        {"/home/ann/Sounds/bell.", {}},
        {"Default.wav", {"PlayWaveFile Default.wav"}},
    };
    for (const auto& c : cases) {
        engine.calls.clear();
        playback.PlayForButton(c.soundText);
        EXPECT_EQ(engine.calls, c.expected) << "sound text \"" << c.soundText << "\"";
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SoundPlaybackTest, ReminderTakesOnlyTheExactBuiltInNames) {
    const std::vector<Case> cases{
        {"Default", kChime},
        {"default", kChime},
        {"", kChime},
        {"DEFAULT", {}}, // a file name without a type: nothing plays
        {"DeFault", {}},
        {"/home/ann/Sounds/bell.Wav", {"PlayWaveFile /home/ann/Sounds/bell.Wav"}},
        {"/home/ann/Sounds/song.mp3", MediaPlay("/home/ann/Sounds/song.mp3")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Reminder(c.soundText), c.expected) << "sound text \"" << c.soundText << "\"";
}

TEST_F(SoundPlaybackTest, StopButtonStopsThePlayerOfTheSoundText) {
    const std::vector<Case> cases{
        {"Default", {"StopWave"}}, // a media sound such as the welcome goes on
        {"DEFAULT", {"StopWave"}},
        {"", {"StopWave"}},
        {"/home/ann/Sounds/song.mp3", {"StopMedia", "CloseMedia"}},
        {"/home/ann/Sounds/talk.wma", {"StopMedia", "CloseMedia"}},
        {"/home/ann/Sounds/bell.wav", {"StopWave", "StopMedia", "CloseMedia"}},
        {"/home/ann/Sounds/BELL.WAV", {"StopWave", "StopMedia", "CloseMedia"}},
        {"/home/ann/Sounds/bell", {"StopMedia", "CloseMedia"}},
    };
    for (const auto& c : cases) {
        engine.calls.clear();
        playback.StopForButton(c.soundText);
        EXPECT_EQ(engine.calls, c.expected) << "sound text \"" << c.soundText << "\"";
    }
}

TEST_F(SoundPlaybackTest, OpenMediaFileLeavesOtherTypesAlone) {
    for (const std::string path : {"/a/bell.wav", "/a/bell", "/a/my.mp3/bell", "/a/bell.ogg"}) {
        engine.calls.clear();
        playback.OpenMediaFile(path);
        EXPECT_TRUE(engine.calls.empty()) << path;
    }
}

TEST_F(SoundPlaybackTest, TheReminderReturnsAtOnceAndPlaysAfterItsPause) {
    SoundPlayback delayed(engine, messages, 300ms);
    engine.calls.clear();
    const auto start = std::chrono::steady_clock::now();
    delayed.PlayForReminder("Default");
    delayed.PlayForReminder("Default"); // equal moments: one sound, not one after the other
    EXPECT_LT(std::chrono::steady_clock::now() - start, 50ms);
    EXPECT_TRUE(engine.calls.empty());
    ASSERT_TRUE(PumpUntil([&] { return !engine.calls.empty(); }, 2s));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
    PumpEvents(400ms);
    EXPECT_EQ(engine.calls, kChime);
}

TEST_F(SoundPlaybackTest, AGoneOrUnreadableWaveFilePlaysTheChime) {
    engine.fileWorks = false;
    playback.PlayForButton("/gone/bell.wav");
    EXPECT_EQ(engine.calls, (Calls{"PlayWaveFile /gone/bell.wav", "PlayWaveMemory"}));
    EXPECT_EQ(Reminder("/gone/bell.WAV"), (Calls{"PlayWaveFile /gone/bell.WAV", "PlayWaveMemory"}));
    PumpEvents(20ms);
    EXPECT_TRUE(messages.shown.empty()) << "the chime played instead";
}

// Every failure counts, at once or reported later by the player; the message comes once per run,
// after the current event, never inside the caller.
TEST_F(SoundPlaybackTest, CannotPlayTheSoundIsShownOnceAfterTheEvent) {
    const std::vector<std::pair<const char*, std::function<void(RecordingEngine&, SoundPlayback&)>>>
        failures = {
            {"chime refused",
             [](RecordingEngine& e, SoundPlayback& p) {
                 e.waveWorks = false;
                 p.PlayForButton("Default");
             }},
            {"unknown built-in name",
             [](RecordingEngine&, SoundPlayback& p) { p.PlayBuiltInSound("Sound02"); }},
            {"gone mp3",
             [](RecordingEngine& e, SoundPlayback& p) {
                 e.fileWorks = false;
                 p.PlayForButton("/gone/a.mp3");
             }},
            {"wave fails later",
             [](RecordingEngine& e, SoundPlayback& p) {
                 p.PlayForButton("/a.wav");
                 e.onFailure(SoundChannel::Wave);
             }},
            {"mp3 fails later",
             [](RecordingEngine& e, SoundPlayback& p) {
                 p.PlayForButton("/a.mp3");
                 e.onFailure(SoundChannel::Media);
             }},
            {"gone wav and no chime",
             [](RecordingEngine& e, SoundPlayback& p) {
                 e.fileWorks = e.waveWorks = false;
                 p.PlayForButton("/a.wav");
             }},
        };
    for (const auto& [name, fail] : failures) {
        RecordingEngine failing;
        RecordingMessageBox shown;
        SoundPlayback sound(failing, shown, 0ms);
        fail(failing, sound);
        EXPECT_TRUE(shown.shown.empty()) << name << ": shown inside the caller";
        fail(failing, sound);
        PumpEvents(20ms);
        EXPECT_EQ(shown.shown, kWarning) << name;
        fail(failing, sound);
        PumpEvents(20ms);
        EXPECT_EQ(shown.shown, kWarning) << name << ": once per run";
    }
}

TEST_F(SoundPlaybackTest, TheGreetingFailsQuietly) {
    playback.OpenMediaFile("/opt/stillmark/Welcome.wma");
    playback.PlaySoundFile("/opt/stillmark/Welcome.wma");
    engine.onFailure(SoundChannel::Media);
    engine.fileWorks = false;
    playback.OpenMediaFile("/gone/Welcome.wma");
    playback.PlaySoundFile("/gone/Welcome.wma");
    PumpEvents(20ms);
    EXPECT_TRUE(messages.shown.empty());
    playback.PlayForButton("Default");
    engine.onFailure(SoundChannel::Wave);
    PumpEvents(20ms);
    EXPECT_EQ(messages.shown, kWarning) << "the warning was still there for a real failure";
}

// The real player: a file it accepts but cannot decode fails after the start.
TEST(SoundPlaybackWithPlayer, AFileThatFailsAfterTheStartShowsTheMessageAndAGoneWaveFilePlaysTheChime) {
    const test::TempFolder folder("stillmark-play");
    const std::filesystem::path& dir = folder.Path();
    std::ofstream(dir / "noise.mp3", std::ios::binary) << std::string(20000, '\x5a');
    GstSoundEngine engine("fakesink sync=false");
    RecordingMessageBox messages;
    SoundPlayback playback(engine, messages, 0ms);

    playback.PlayForButton((dir / "gone.wav").string());
    EXPECT_TRUE(engine.IsWaveActive()) << "the chime plays instead";
    playback.PlayForButton((dir / "noise.mp3").string());
    EXPECT_TRUE(PumpUntil([&] { return !messages.shown.empty(); }, 30s));
    EXPECT_EQ(messages.shown, kWarning);
}

TEST(SoundFileTypeTest, IsTheLowerCasedTextAfterTheLastDot) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"bell.wav", "wav"},
        {"/x/BELL.WAV", "wav"},
        {"/x/a.b.Mp3", "mp3"},
        {"/x/Glöckchen.WMA", "wma"},
        {"/x/my.sounds/bell", "sounds/bell"},
        {"/x/bell", ""},
        {"bell.", ""},
        {".wav", "wav"},
        {"", ""},
    };
    for (const auto& [path, type] : cases)
        EXPECT_EQ(SoundFileType(path), type) << path;
}

} // namespace
} // namespace stillmark
