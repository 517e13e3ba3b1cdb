// Windows' players refuse at once what cannot play, so that the reminder falls back to the chime or
// says so. (Under Wine the media player has no decoder for .wma; a real Windows plays it.)
#include "platform/windows/WinmmSoundEngine.h"

#include <gtest/gtest.h>
#include <string>

namespace stillmark {
namespace {

const std::string kResources = STILLMARK_TEST_RESOURCES;

TEST(WinmmSoundEngineTest, RefusesAtOnceWhatCannotPlay) {
    WinmmSoundEngine engine;
    const struct {
        const char* name;
        std::string path;
    } cases[] = {
        {"a file that is not there", kResources + "/missing"},
        {"a folder", kResources},
        {"a quote in the path", kResources + "/a\"b"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(engine.PlayWaveFile(c.path + ".wav")) << c.name;
        EXPECT_FALSE(engine.OpenMedia(c.path + ".mp3")) << c.name;
        engine.PlayMediaFromStart(); // nothing open: nothing happens
    }
    EXPECT_FALSE(engine.PlayWaveMemory(nullptr, 0));
    EXPECT_TRUE(engine.PlayWaveFile(kResources + "/chime.wav"));
    engine.StopWave();
}

} // namespace
} // namespace stillmark
