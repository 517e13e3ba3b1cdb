#include "settings/SettingsStore.h"

#include "settings/FileBytes.h"
#include "settings/IniDocument.h"
#include "settings/WriteTarget.h"

#include <cstdlib>
#include <pwd.h>
#include <string_view>
#include <unistd.h>

namespace stillmark {
namespace {

constexpr const char* kFileName = "stillmark.INI";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir)
        return entry->pw_dir;
    return {};
}

std::string CannotSave(const std::filesystem::path& file, const std::string& reason) {
    return "Stillmark cannot save its settings to " + file.string() + ": " + reason;
}

std::string TooLarge() {
    return "the file is larger than 1 MiB";
}

// The file's content split into a leading byte order mark, kept aside, and the document.
struct ParsedFile {
    std::string_view mark;
    IniDocument document;
};

ParsedFile Parse(std::string_view bytes) {
    const std::string_view mark =
        bytes.substr(0, bytes.rfind(kByteOrderMark, 0) == 0 ? kByteOrderMark.size() : 0);
    return {mark, IniDocument::Parse(bytes.substr(mark.size()))};
}

} // namespace

std::filesystem::path DefaultSettingsPath() {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the desktop's base-directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::filesystem::path(config) / kFileName;
    const std::filesystem::path home = HomeFolder();
    if (home.empty())
        return kFileName;
    return home / ".config" / kFileName;
}

SettingsStore::SettingsStore(std::filesystem::path file) : m_file(std::move(file)) {}

const std::filesystem::path& SettingsStore::Path() const {
    return m_file;
}

LoadResult SettingsStore::Load() {
    const FileContent content = ReadFileBytes(m_file, kMaxSettingsFileBytes);
    switch (content.status) {
    case ReadStatus::Ok:
        return {ReadSettings(Parse(content.bytes).document), {}};
    case ReadStatus::Missing:
        return {};
    case ReadStatus::TooLarge:
        return {{},
                "Stillmark does not read its settings from " + m_file.string() + ": " + TooLarge() +
                    ". It uses the defaults and leaves the file as it is."};
    case ReadStatus::Failed:
        break;
    }
    return {{},
            "Stillmark cannot read its settings from " + m_file.string() + ": " + content.reason +
                ". It uses the defaults."};
}

SaveResult SettingsStore::Save(const Settings& settings) {
    return Write(settings, nullptr);
}

SaveResult SettingsStore::Save(const Settings& settings, const Settings& since) {
    return Write(settings, &since);
}

SaveResult SettingsStore::Write(const Settings& settings, const Settings* since) {
    const WriteTarget target = ResolveWriteTarget(m_file);
    if (target.file.empty())
        return {false, CannotSave(m_file, target.refusal)};

    // Content that could not be read would be lost by writing over it.
    const FileContent old = ReadFileBytes(target.file, kMaxSettingsFileBytes);
    if (old.status == ReadStatus::TooLarge)
        return {false, CannotSave(m_file, TooLarge())};
    if (old.status == ReadStatus::Failed)
        return {false, CannotSave(m_file, "the file there cannot be read (" + old.reason + ")")};

    ParsedFile file = Parse(old.bytes);
    const std::vector<std::string> refused = WriteSettings(file.document, settings, since);
    SaveResult result;
    if (!refused.empty())
        result = {false, CannotSave(m_file, "the value of " + refused.front() + " holds a line break")};

    const std::string bytes = std::string(file.mark) + file.document.Serialize();
    if (old.status == ReadStatus::Ok && bytes == old.bytes)
        return result;
    if (const std::string reason = WriteFileAtomically(target.file, bytes); !reason.empty())
        return {false, CannotSave(m_file, reason)};
    return result;
}

} // namespace stillmark
