#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace stillmark {

// The settings file: $XDG_CONFIG_HOME/stillmark.INI, or $HOME/.config/stillmark.INI.
std::filesystem::path DefaultProfilePath();

// The profile operations over one initialisation file. Every read reads the file again (nothing is cached)
// and never changes it; every write replaces the file atomically at once, keeping every line it does not
// touch byte for byte. A file that cannot be read gives the defaults; a write that fails leaves the old file
// as it was and returns false.
class ProfileStore {
public:
    explicit ProfileStore(std::filesystem::path file);

    const std::filesystem::path& Path() const;

    // The leading decimal number of the stored text (blanks, sign, digits; 0 when there is none, saturated at
    // the limits of int). A missing or empty value gives defaultValue.
    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;

    // The stored text without surrounding blanks, cut to 4095 bytes (never inside a UTF-8 character); a
    // stored empty text stays empty. A missing key gives defaultValue.
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const;

    bool WriteProfileInt(std::string_view section, std::string_view key, int value);

    // False, with the file unchanged, when the value holds a line break (it would forge other lines).
    bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);

    // Several entries of one section in a single atomic write; new keys are added in the given order.
    bool WriteProfileValues(std::string_view section,
                            const std::vector<std::pair<std::string, std::string>>& keyValuesInOrder);

private:
    std::filesystem::path m_file;
};

} // namespace stillmark
