// Real files through the real GStreamer engine, into a file or a fake output instead of a sound device.
#include "platform/linux/GstSoundEngine.h"
#include "EventPump.h"
#include "TempFolder.h"
#include "sound/BuiltInSound.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace stillmark {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::PumpEvents;
using test::PumpUntil;

// Generous: the first run with a fresh home rebuilds GStreamer's plugin registry.
constexpr auto kTimeout = 30s;

// Sample frames in the data chunk of a 16-bit PCM wave file (0 when it is not one).
std::int64_t WaveFrames(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char riff[12];
    if (!in.read(riff, 12) || std::string(riff, 4) != "RIFF" || std::string(riff + 8, 4) != "WAVE")
        return 0;
    int channels = 0;
    char header[8];
    while (in.read(header, 8)) {
        const std::string id(header, 4);
        std::uint32_t size = 0;
        for (int i = 3; i >= 0; --i)
            size = size << 8 | static_cast<unsigned char>(header[4 + i]);
        if (id == "fmt ") {
            char fmt[16];
            in.read(fmt, 16);
            channels = static_cast<unsigned char>(fmt[2]);
            in.seekg(size - 16 + (size & 1), std::ios::cur);
        } else if (id == "data") {
            return channels ? size / (2 * channels) : 0;
        } else {
            in.seekg(size + (size & 1), std::ios::cur);
        }
    }
    return 0;
}

struct Finish {
    SoundChannel channel;
    SoundOutcome outcome;
    bool operator==(const Finish&) const = default;
};

class GstSoundEngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = std::make_unique<test::TempFolder>("stillmark-sound");
        s_dir = s_folder->Path();
        // One second of a tone, one source for every format.
        const std::string tone = "-f lavfi -i sine=frequency=660:duration=1:sample_rate=44100 ";
        Encode(tone + "-ac 2 -c:a pcm_s16le", "pcm.wav");
        Encode(tone + "-ac 2 -c:a adpcm_ms", "adpcm.wav");
        Encode(tone + "-ac 2 -c:a libmp3lame -b:a 128k", "tone.mp3");
        Encode(tone + "-ac 2 -c:a wmav2 -b:a 64k", "tone.wma");
        Encode("-f lavfi -i sine=frequency=440:duration=3:sample_rate=44100 -c:a pcm_s16le", "long.wav");
        Encode("-f lavfi -i sine=frequency=440:duration=3:sample_rate=44100 -c:a libmp3lame", "long.mp3");
        fs::create_directories(s_dir / "folder with spaces");
        fs::copy_file(s_dir / "pcm.wav", s_dir / "folder with spaces" / "Glöckchen für dich.WAV");
    }
    static void TearDownTestSuite() { s_folder.reset(); }
    static void Encode(const std::string& arguments, const std::string& name) {
        const std::string command = "ffmpeg -nostdin -hide_banner -loglevel error -y " + arguments + " '" +
                                    (s_dir / name).string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    static fs::path File(const std::string& name) { return s_dir / name; }
    static std::string Path(const std::string& name) { return File(name).string(); }

    // An engine whose output is decoded into a wave file, as fast as the decoder goes.
    std::unique_ptr<GstSoundEngine> RecordingEngine() {
        return Watch(
            std::make_unique<GstSoundEngine>("audioconvert ! audio/x-raw,format=S16LE ! wavenc ! filesink "
                                             "location=\"" +
                                             output.string() + "\""));
    }
    // An engine that takes as long as the sound lasts, so it can be stopped while it plays.
    std::unique_ptr<GstSoundEngine> RealTimeEngine() {
        return Watch(std::make_unique<GstSoundEngine>(
            "identity sync=true ! audioconvert ! wavenc ! filesink buffer-mode=unbuffered async=false "
            "location=\"" +
            output.string() + "\""));
    }
    std::unique_ptr<GstSoundEngine> Watch(std::unique_ptr<GstSoundEngine> engine) {
        engine->SetFinishedHandler([this](SoundChannel channel, SoundOutcome outcome) {
            finished.push_back({channel, outcome});
        });
        return engine;
    }
    bool WaitForFinish(std::size_t count = 1) {
        return PumpUntil([&] { return finished.size() >= count; }, kTimeout);
    }

    std::vector<Finish> finished;
    fs::path output =
        s_dir / (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".out.wav");

    static inline std::unique_ptr<test::TempFolder> s_folder;
    static inline fs::path s_dir;
};

constexpr Finish kWaveEnded{SoundChannel::Wave, SoundOutcome::Ended};
constexpr Finish kMediaEnded{SoundChannel::Media, SoundOutcome::Ended};
constexpr Finish kMediaFailed{SoundChannel::Media, SoundOutcome::Failed};

TEST_F(GstSoundEngineTest, WaveFilesPlayToTheirEndWithEverySample) {
    for (const char* name : {"pcm.wav", "adpcm.wav"}) {
        SCOPED_TRACE(name);
        finished.clear();
        auto engine = RecordingEngine();
        ASSERT_TRUE(engine->PlayWaveFile(Path(name)));
        EXPECT_TRUE(engine->IsWaveActive());
        ASSERT_TRUE(WaitForFinish());
        EXPECT_EQ(finished, std::vector<Finish>{kWaveEnded});
        EXPECT_FALSE(engine->IsWaveActive());
        engine.reset();
        // ADPCM blocks may pad the end a little.
        EXPECT_NEAR(WaveFrames(output), 44100, 1100);
    }
}

TEST_F(GstSoundEngineTest, BuiltInChimePlaysFromMemoryWithEverySample) {
    const auto chime = BuiltInChime();
    auto engine = RecordingEngine();
    ASSERT_TRUE(engine->PlayWaveMemory(chime.data(), chime.size()));
    ASSERT_TRUE(WaitForFinish());
    EXPECT_EQ(finished, std::vector<Finish>{kWaveEnded});
    engine.reset();
    // The image's own data chunk, frame for frame.
    const fs::path image = File("chime-image.wav");
    std::ofstream(image, std::ios::binary).write(reinterpret_cast<const char*>(chime.data()), chime.size());
    ASSERT_GT(WaveFrames(image), 22050); // at least half a second
    EXPECT_EQ(WaveFrames(output), WaveFrames(image));
}

TEST_F(GstSoundEngineTest, CompressedFilesPlayToTheirEndAndAgainFromTheStart) {
    for (const char* name : {"tone.mp3", "tone.wma"}) {
        SCOPED_TRACE(name);
        finished.clear();
        auto engine = RecordingEngine();
        ASSERT_TRUE(engine->OpenMedia(Path(name)));
        engine->PlayMediaFromStart();
        ASSERT_TRUE(WaitForFinish());
        EXPECT_EQ(finished, std::vector<Finish>{kMediaEnded});
        EXPECT_TRUE(engine->IsMediaOpen()); // still open: Play again starts it once more
        EXPECT_FALSE(engine->IsMediaActive());
        fs::remove(output);
        engine->PlayMediaFromStart();
        ASSERT_TRUE(WaitForFinish(2));
        EXPECT_EQ(finished.back(), kMediaEnded);
        engine.reset();
        EXPECT_NEAR(WaveFrames(output), 44100, 2500); // encoders add a little padding
    }
}

TEST_F(GstSoundEngineTest, WelcomeSoundBesideTheProgramPlays) {
    auto engine = RecordingEngine();
    ASSERT_TRUE(engine->OpenMedia(STILLMARK_WELCOME_WMA));
    engine->PlayMediaFromStart();
    ASSERT_TRUE(WaitForFinish());
    EXPECT_EQ(finished, std::vector<Finish>{kMediaEnded});
    engine.reset();
    EXPECT_GT(WaveFrames(output), 22050);
}

TEST_F(GstSoundEngineTest, PathsWithSpacesAndNonAsciiLettersPlay) {
    auto engine = RecordingEngine();
    ASSERT_TRUE(engine->PlayWaveFile(Path("folder with spaces/Glöckchen für dich.WAV")));
    ASSERT_TRUE(WaitForFinish());
    EXPECT_EQ(finished, std::vector<Finish>{kWaveEnded});
}

TEST_F(GstSoundEngineTest, RelativePathsAreFoundInTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(s_dir);
    auto engine = RecordingEngine();
    const bool waveStarted = engine->PlayWaveFile("pcm.wav");
    const bool mediaOpened = engine->OpenMedia("tone.mp3");
    fs::current_path(before);
    ASSERT_TRUE(waveStarted);
    ASSERT_TRUE(mediaOpened);
    engine->PlayMediaFromStart();
    ASSERT_TRUE(WaitForFinish(2));
}

TEST_F(GstSoundEngineTest, FilesThatCannotOpenAreRefusedAtOnce) {
    fs::create_directories(File("x.wav"));
    fs::create_directories(File("x.mp3"));
    std::ofstream(File("empty.wav"));
    std::ofstream(File("empty.mp3"));
    auto engine = RecordingEngine();
    for (const char* name : {"x.wav", "empty.wav", "missing.wav", ""}) {
        EXPECT_FALSE(engine->PlayWaveFile(name[0] ? Path(name) : std::string())) << name;
        EXPECT_FALSE(engine->IsWaveActive()) << name;
    }
    for (const char* name : {"x.mp3", "empty.mp3", "missing.mp3"}) {
        EXPECT_FALSE(engine->OpenMedia(Path(name))) << name;
        EXPECT_FALSE(engine->IsMediaOpen()) << name;
        engine->PlayMediaFromStart(); // nothing open: nothing happens
        EXPECT_FALSE(engine->IsMediaActive()) << name;
    }
    const unsigned char notAWave[] = "RIFX....WAVEfmt ";
    EXPECT_FALSE(engine->PlayWaveMemory(notAWave, sizeof notAWave));
    EXPECT_FALSE(engine->PlayWaveMemory(nullptr, 0));
    PumpEvents(100ms);
    EXPECT_TRUE(finished.empty());
}

TEST_F(GstSoundEngineTest, CorruptFilesFailQuietlyAndReleaseTheirPipeline) {
    std::mt19937 random(7);
    std::vector<char> noise(20000);
    for (auto& byte : noise)
        byte = static_cast<char>(random());
    std::ofstream(File("noise.mp3"), std::ios::binary).write(noise.data(), noise.size());
    std::ofstream(File("noise.wav"), std::ios::binary).write(noise.data(), noise.size());
    std::vector<char> start(100);
    std::ifstream(File("pcm.wav"), std::ios::binary).read(start.data(), start.size());
    std::ofstream(File("truncated.wav"), std::ios::binary).write(start.data(), start.size());

    auto engine = RecordingEngine();
    std::vector<SoundChannel> failures;
    engine->SetFailureHandler([&](SoundChannel channel) { failures.push_back(channel); });
    ASSERT_TRUE(engine->OpenMedia(Path("noise.mp3"))); // readable: the trouble shows while preparing
    engine->PlayMediaFromStart();
    ASSERT_TRUE(WaitForFinish());
    EXPECT_EQ(finished.back(), kMediaFailed);
    EXPECT_EQ(failures, std::vector<SoundChannel>{SoundChannel::Media}) << "reported to the failure handler";
    EXPECT_FALSE(engine->IsMediaOpen());
    EXPECT_FALSE(engine->IsMediaActive());

    for (const char* name : {"noise.wav", "truncated.wav"}) {
        SCOPED_TRACE(name);
        const std::size_t before = finished.size();
        if (engine->PlayWaveFile(Path(name))) {
            ASSERT_TRUE(WaitForFinish(before + 1)); // ended or failed, but never hangs
        }
        EXPECT_FALSE(engine->IsWaveActive());
    }
}

TEST_F(GstSoundEngineTest, NewWaveSoundReplacesThePlayingOne) {
    auto engine = RecordingEngine();
    ASSERT_TRUE(engine->PlayWaveFile(Path("long.wav")));
    ASSERT_TRUE(engine->PlayWaveFile(Path("pcm.wav")));
    ASSERT_TRUE(WaitForFinish());
    PumpEvents(200ms);
    EXPECT_EQ(finished, std::vector<Finish>{kWaveEnded}); // the replaced sound reports nothing
    engine.reset();
    EXPECT_EQ(WaveFrames(output), 44100);
}

TEST_F(GstSoundEngineTest, StopEndsTheSoundAtOnce) {
    auto fileSize = [&] {
        std::error_code ec;
        const auto size = fs::file_size(output, ec);
        return ec ? 0 : size;
    };
    const std::uintmax_t threeSeconds = 3 * 44100 * 2;
    {
        auto engine = RealTimeEngine();
        ASSERT_TRUE(engine->PlayWaveFile(Path("long.wav")));
        ASSERT_TRUE(PumpUntil([&] { return fileSize() > 0; }, kTimeout));
        engine->StopWave();
        EXPECT_FALSE(engine->IsWaveActive());
        const auto stoppedAt = fileSize();
        PumpEvents(400ms);
        EXPECT_EQ(fileSize(), stoppedAt);
        EXPECT_LT(stoppedAt, threeSeconds / 2);
    }
    fs::remove(output);
    {
        auto engine = RealTimeEngine();
        ASSERT_TRUE(engine->OpenMedia(Path("long.mp3")));
        engine->PlayMediaFromStart();
        ASSERT_TRUE(PumpUntil([&] { return fileSize() > 0; }, kTimeout));
        engine->StopMedia();
        EXPECT_FALSE(engine->IsMediaActive());
        EXPECT_TRUE(engine->IsMediaOpen());
        const auto stoppedAt = fileSize();
        PumpEvents(400ms);
        EXPECT_EQ(fileSize(), stoppedAt);
        EXPECT_LT(stoppedAt, threeSeconds / 2);
        engine->CloseMedia();
        EXPECT_FALSE(engine->IsMediaOpen());
    }
    EXPECT_TRUE(finished.empty());
}

TEST_F(GstSoundEngineTest, DestroyingThePlayingEngineLeavesNothingBehind) {
    auto engine = RealTimeEngine();
    ASSERT_TRUE(engine->PlayWaveFile(Path("long.wav")));
    ASSERT_TRUE(engine->OpenMedia(Path("long.mp3")));
    engine->PlayMediaFromStart();
    PumpEvents(200ms);
    engine.reset();
    PumpEvents(300ms); // no watch may call into the destroyed engine
    EXPECT_TRUE(finished.empty());
}

TEST_F(GstSoundEngineTest, WaveAndMediaPlayAtTheSameTime) {
    auto engine = Watch(std::make_unique<GstSoundEngine>("fakesink sync=false"));
    ASSERT_TRUE(engine->PlayWaveFile(Path("pcm.wav")));
    ASSERT_TRUE(engine->OpenMedia(Path("tone.wma")));
    engine->PlayMediaFromStart();
    ASSERT_TRUE(WaitForFinish(2));
    EXPECT_EQ(std::count(finished.begin(), finished.end(), kWaveEnded), 1);
    EXPECT_EQ(std::count(finished.begin(), finished.end(), kMediaEnded), 1);
}

TEST_F(GstSoundEngineTest, DesktopOutputPlaysTheChimeOrFailsQuietly) {
    // No sink forced: whatever the desktop offers (a sound server, a device, or nothing).
    auto engine = Watch(std::make_unique<GstSoundEngine>());
    const auto chime = BuiltInChime();
    if (engine->PlayWaveMemory(chime.data(), chime.size())) {
        ASSERT_TRUE(WaitForFinish());
        EXPECT_EQ(finished.front().channel, SoundChannel::Wave);
    }
    EXPECT_FALSE(engine->IsWaveActive());
}

} // namespace
} // namespace stillmark
