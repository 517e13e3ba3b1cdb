#include "settings/ProfileStore.h"

#include "schedule/LeadingInteger.h"
#include "settings/FileBytes.h"
#include "settings/IniDocument.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace stillmark {
namespace {

constexpr const char* kProfileFileName = "stillmark.INI";

// Longest text a read returns: the profile reader's buffer of 4096 including the terminator.
constexpr std::size_t kMaxStringLength = 4095;

std::optional<std::string> ReadValue(const std::filesystem::path& file, std::string_view section,
                                     std::string_view key) {
    const FileContent content = ReadFileBytes(file);
    if (content.status != ReadStatus::Ok) {
        return std::nullopt;
    }
    return IniDocument::Parse(content.bytes).Find(section, key);
}

// Cuts to at most maxBytes, moving the cut back to the start of a UTF-8 character it would split.
std::string CutText(std::string text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    const auto isContinuation = [&](std::size_t i) {
        return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    };
    std::size_t cut = maxBytes;
    for (int back = 0; back < 3 && cut > 0 && isContinuation(cut); ++back) {
        --cut;
    }
    if (static_cast<unsigned char>(text[cut]) < 0xC0) {
        cut = maxBytes; // no character was split (or the text is not UTF-8 there)
    }
    text.resize(cut);
    return text;
}

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

} // namespace

std::filesystem::path DefaultProfilePath() {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the desktop's base-directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') {
        return std::filesystem::path(config) / kProfileFileName;
    }
    const std::filesystem::path home = HomeFolder();
    if (home.empty()) {
        return kProfileFileName;
    }
    return home / ".config" / kProfileFileName;
}

ProfileStore::ProfileStore(std::filesystem::path file) : m_file(std::move(file)) {}

const std::filesystem::path& ProfileStore::Path() const {
    return m_file;
}

int ProfileStore::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> value = ReadValue(m_file, section, key);
    // An empty value counts as missing, as the platform's profile reader has it.
    if (!value || value->empty()) {
        return defaultValue;
    }
    return LeadingInteger(*value);
}

std::string ProfileStore::GetProfileString(std::string_view section, std::string_view key,
                                           std::string_view defaultValue) const {
    std::optional<std::string> value = ReadValue(m_file, section, key);
    return CutText(value ? std::move(*value) : std::string(defaultValue), kMaxStringLength);
}

bool ProfileStore::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileValues(section, {{std::string(key), std::to_string(value)}});
}

bool ProfileStore::WriteProfileString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    return WriteProfileValues(section, {{std::string(key), std::string(value)}});
}

bool ProfileStore::WriteProfileValues(
    std::string_view section, const std::vector<std::pair<std::string, std::string>>& keyValuesInOrder) {
    if (!IsStorableSection(section)) {
        return false;
    }
    if (keyValuesInOrder.empty()) {
        return true; // nothing to change: no file is created for it
    }
    for (const auto& [key, value] : keyValuesInOrder) {
        if (!IsStorableKey(key) || !IsStorableValue(value)) {
            return false;
        }
    }

    const FileContent old = ReadFileBytes(m_file);
    if (old.status == ReadStatus::Failed) {
        return false; // writing now would throw away content that could not be read
    }
    IniDocument document = IniDocument::Parse(old.bytes);
    for (const auto& [key, value] : keyValuesInOrder) {
        document.Set(section, key, value);
    }
    std::string bytes = document.Serialize();
    if (old.status == ReadStatus::Ok && bytes == old.bytes) {
        return true;
    }
    return WriteFileAtomically(m_file, bytes);
}

} // namespace stillmark
