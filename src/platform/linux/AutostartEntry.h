#pragma once
// Starting with the desktop: the program's entry in the autostart folders, read as the desktop reads
// them. The user's entry decides where there is one, else the first of the system's folders that has
// one: it is on when the entry is neither hidden nor switched off and names a program that is there.
#include "base/Translatable.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace stillmark {

inline constexpr const char* kAutostartFileName = "org.stillmark.Stillmark.desktop";

// One argument of an Exec line, quoted where the desktop's rules ask for it and escaped as a value of
// the entry file; empty for a text no Exec line can carry (a line break or another control character).
std::string ExecArgument(std::string_view argument);

class AutostartEntry {
public:
    // file: the user's entry; systemEntries: the system's, first first. Failures are told in the
    // language of translate.
    explicit AutostartEntry(std::filesystem::path file, std::vector<std::filesystem::path> systemEntries = {},
                            Translator translate = AsWritten);
    const std::filesystem::path& Path() const { return m_file; }

    bool IsOn() const;
    // Writes the entry (atomically) so that the desktop starts this program at log-in. Returns an empty
    // text, or what failed for the user.
    std::string TurnOn(const std::filesystem::path& program);
    // Removes the entry, and hides a system entry that would still start it. Returns an empty text,
    // or what failed for the user.
    std::string TurnOff();

private:
    bool SystemEntryStarts() const;
    std::string Write(const std::string& body);

    std::filesystem::path m_file;
    std::vector<std::filesystem::path> m_systemEntries;
    Translator m_translate;
};

} // namespace stillmark
