#pragma once
// Starting with the desktop: the program's entry in the user's autostart folder. The file is the truth:
// it is on while the entry exists and does not say Hidden=true.
#include "base/Translatable.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace stillmark {

inline constexpr const char* kAutostartFileName = "org.stillmark.Stillmark.desktop";

// One argument of an Exec line, quoted where the desktop's rules ask for it and escaped as a value of
// the entry file; empty for a text no Exec line can carry (a line break or another control character).
std::string ExecArgument(std::string_view argument);

class AutostartEntry {
public:
    // Failures are told in the language of translate.
    explicit AutostartEntry(std::filesystem::path file, Translator translate = AsWritten);
    const std::filesystem::path& Path() const { return m_file; }

    bool IsOn() const;
    // Writes the entry (atomically) so that the desktop starts this program at log-in. Returns an empty
    // text, or what failed for the user.
    std::string TurnOn(const std::filesystem::path& program);
    // Removes the entry. Returns an empty text, or what failed for the user.
    std::string TurnOff();

private:
    std::filesystem::path m_file;
    Translator m_translate;
};

} // namespace stillmark
