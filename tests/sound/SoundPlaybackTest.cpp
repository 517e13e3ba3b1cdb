// The sound decisions of the Play and Stop buttons and of the reminder, against a recording engine.
#include "sound/SoundPlayback.h"
#include "app/MessageBox.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace stillmark {
namespace {

using Calls = std::vector<std::string>;

class RecordingEngine final : public ISoundEngine {
public:
    bool PlayWaveMemory(const unsigned char* data, std::size_t size) override {
        const bool isWave =
            size > 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
        calls.push_back(isWave ? "PlayWaveMemory" : "PlayWaveMemory(not a wave image)");
        return waveWorks;
    }
    bool PlayWaveFile(const std::string& path) override {
        calls.push_back("PlayWaveFile " + path);
        return false; // a missing file must stay silent
    }
    void StopWave() override { calls.push_back("StopWave"); }
    bool OpenMedia(const std::string& path) override {
        calls.push_back("OpenMedia " + path);
        return true;
    }
    void PlayMediaFromStart() override { calls.push_back("PlayMediaFromStart"); }
    void StopMedia() override { calls.push_back("StopMedia"); }
    void CloseMedia() override { calls.push_back("CloseMedia"); }

    Calls calls;
    bool waveWorks = true;
};

class RecordingMessageBox final : public IMessageBox {
public:
    void Show(const std::string& text, MessageIcon) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class SoundPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAppMessageBox(&messages);
        SoundPlayback::ResetFailureWarningForTesting();
    }
    void TearDown() override { SetAppMessageBox(nullptr); }

    RecordingEngine engine;
    RecordingMessageBox messages;
    SoundPlayback playback{engine};
};

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
    for (const auto& c : cases) {
        engine.calls.clear();
        playback.PlayForReminder(c.soundText);
        EXPECT_EQ(engine.calls, c.expected) << "sound text \"" << c.soundText << "\"";
    }
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

TEST_F(SoundPlaybackTest, CannotPlayTheSoundIsShownOnceForTheWholeRun) {
    engine.waveWorks = false;
    playback.PlayBuiltInSound("Sound01");
    playback.PlayForButton("Default");
    playback.PlayForReminder("");
    SoundPlayback another(engine); // the warning belongs to the process, not to one object
    another.PlayBuiltInSound("Sound01");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Can't play the sound"});
}

TEST_F(SoundPlaybackTest, UnknownBuiltInNameCountsAsAFailure) {
    playback.PlayBuiltInSound("Sound02");
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Can't play the sound"});
}

TEST_F(SoundPlaybackTest, FilesThatCannotPlayShowNoMessage) {
    playback.PlayForButton("/nowhere/missing.wav");
    playback.PlayForReminder("/nowhere/missing.wav");
    EXPECT_TRUE(messages.shown.empty());
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
