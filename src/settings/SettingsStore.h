#pragma once
// The settings file: one read and one parse per load, one atomic write per save. Lines the program does
// not own (other sections, unknown keys, comments, junk, NUL bytes, line ends, a leading byte order mark)
// are written back byte for byte.
#include "base/Translatable.h"
#include "settings/Outcome.h"
#include "settings/Settings.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace stillmark {

// Files above this size are neither read nor ever rewritten.
inline constexpr std::size_t kMaxSettingsFileBytes = 1024 * 1024;

// The settings read, and why the defaults stand in where they could not be read.
struct LoadResult : Outcome {
    Settings settings;
};

class SettingsStore {
public:
    // Problems are told in the language of translate.
    explicit SettingsStore(std::filesystem::path file, Translator translate = AsWritten);
    const std::filesystem::path& Path() const;

    // A missing file gives the defaults without a problem; a file that cannot be read or is too large
    // gives the defaults and a problem.
    LoadResult Load();

    // Nothing is written when the bytes would not change. A file that cannot be read, is too large, or is
    // a link the user may not write through is left as it is (not ok). A text that cannot be stored
    // keeps its stored value while the other keys are written (not ok).
    Outcome Save(const Settings& settings);
    // The same, writing only the keys whose values differ from `since` (the settings last written) and
    // the keys the file lacks: whatever else the file holds, hand edits included, stays.
    Outcome Save(const Settings& settings, const Settings& since);

private:
    Outcome Write(const Settings& settings, const Settings* since);
    std::filesystem::path m_file;
    Translator m_translate;
};

} // namespace stillmark
