#include "settings/SettingsStore.h"

#include "settings/FileBytes.h"
#include "settings/IniDocument.h"
#include "settings/WriteTarget.h"

#include <string_view>

namespace stillmark {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string CannotSave(Translator translate, const std::filesystem::path& file, const std::string& reason) {
    // TRANSLATORS: %1$s is the settings file's path, %2$s why it cannot be saved.
    return FillIn(translate(Translatable("Stillmark cannot save its settings to %1$s: %2$s")),
                  {file.string(), reason});
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

SettingsStore::SettingsStore(std::filesystem::path file, Translator translate)
    : m_file(std::move(file)), m_translate(translate) {}

const std::filesystem::path& SettingsStore::Path() const {
    return m_file;
}

LoadResult SettingsStore::Load() {
    const FileContent content = ReadFileBytes(m_file, kMaxSettingsFileBytes, m_translate);
    switch (content.status) {
    case ReadStatus::Ok:
        return {{}, ReadSettings(Parse(content.bytes).document)};
    case ReadStatus::Missing:
        return {};
    case ReadStatus::TooLarge:
        return {Outcome::Failed(FillIn(m_translate(Translatable(
                                           "Stillmark does not read its settings from %s: the file is larger "
                                           "than 1 MiB. It uses the defaults and leaves the file as it is.")),
                                       {m_file.string()})),
                {}};
    case ReadStatus::Failed:
        break;
    }
    const char* cannotRead =
        // TRANSLATORS: %1$s is the settings file's path, %2$s why it cannot be read.
        Translatable("Stillmark cannot read its settings from %1$s: %2$s. It uses the defaults.");
    return {Outcome::Failed(FillIn(m_translate(cannotRead), {m_file.string(), content.problem})), {}};
}

Outcome SettingsStore::Save(const Settings& settings) {
    return Write(settings, nullptr);
}

Outcome SettingsStore::Save(const Settings& settings, const Settings& since) {
    return Write(settings, &since);
}

Outcome SettingsStore::Write(const Settings& settings, const Settings* since) {
    const WriteTarget target = ResolveWriteTarget(m_file, m_translate);
    if (!target.ok())
        return Outcome::Failed(CannotSave(m_translate, m_file, target.problem));

    // Content that could not be read would be lost by writing over it.
    const FileContent old = ReadFileBytes(target.file, kMaxSettingsFileBytes, m_translate);
    if (old.status == ReadStatus::TooLarge)
        return Outcome::Failed(
            CannotSave(m_translate, m_file, m_translate(Translatable("the file is larger than 1 MiB"))));
    if (old.status == ReadStatus::Failed)
        return Outcome::Failed(CannotSave(
            m_translate, m_file,
            FillIn(m_translate(Translatable("the file there cannot be read (%s)")), {old.problem})));

    ParsedFile file = Parse(old.bytes);
    const std::vector<std::string> refused = WriteSettings(file.document, settings, since);
    Outcome result;
    if (!refused.empty()) {
        const char* lineBreak =
            // TRANSLATORS: %s is a setting's name as the file writes it, such as SoundToPlay.
            Translatable("the value of %s holds a line break");
        result = Outcome::Failed(
            CannotSave(m_translate, m_file, FillIn(m_translate(lineBreak), {refused.front()})));
    }

    const std::string bytes = std::string(file.mark) + file.document.Serialize();
    if (old.status == ReadStatus::Ok && bytes == old.bytes)
        return result;
    if (const Outcome written = WriteFileAtomically(target.file, bytes); !written.ok())
        return Outcome::Failed(CannotSave(m_translate, m_file, written.problem));
    return result;
}

} // namespace stillmark
