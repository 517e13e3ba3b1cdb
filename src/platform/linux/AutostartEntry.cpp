#include "platform/linux/AutostartEntry.h"

#include "settings/FileBytes.h"
#include "settings/IniDocument.h"
#include "settings/WriteTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>

namespace stillmark {
namespace {

constexpr std::size_t kMaxEntryBytes = 64 * 1024;
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

std::string CannotChange(Translator translate, const std::filesystem::path& file, const std::string& reason) {
    // TRANSLATORS: %1$s is the path of the program's entry in the autostart folder, %2$s what failed.
    return FillIn(translate(Translatable("Stillmark cannot change its start with the desktop in %1$s: %2$s")),
                  {file.string(), reason});
}

} // namespace

std::string ExecArgument(std::string_view argument) {
    if (argument.empty())
        return {};
    for (unsigned char c : argument)
        if (c < 0x20 || c == 0x7F)
            return {};
    std::string quoted;
    const bool needsQuotes = argument.find_first_of(kReservedInExec) != std::string_view::npos;
    if (needsQuotes)
        quoted += '"';
    for (char c : argument) {
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\'))
            quoted += '\\';
        if (c == '%')
            quoted += '%'; // a field code otherwise
        quoted += c;
    }
    if (needsQuotes)
        quoted += '"';
    // The Exec line is a string value of the file, whose reading turns "\\" into one backslash.
    std::string value;
    for (char c : quoted) {
        if (c == '\\')
            value += '\\';
        value += c;
    }
    return value;
}

AutostartEntry::AutostartEntry(std::filesystem::path file, Translator translate)
    : m_file(std::move(file)), m_translate(translate) {}

bool AutostartEntry::IsOn() const {
    const FileContent content = ReadFileBytes(m_file, kMaxEntryBytes);
    if (content.status == ReadStatus::Missing || content.status == ReadStatus::Failed)
        return false;
    if (content.status == ReadStatus::TooLarge)
        return true; // there, and nothing says it is hidden
    const auto hidden = IniDocument::Parse(content.bytes).Find("Desktop Entry", "Hidden");
    return !(hidden && *hidden == "true");
}

std::string AutostartEntry::TurnOn(const std::filesystem::path& program) {
    const std::string exec = ExecArgument(program.string());
    if (program.empty() || exec.empty())
        return CannotChange(
            m_translate, m_file,
            m_translate(Translatable("the program's own path is not known or cannot be written there")));
    const WriteTarget target = ResolveWriteTarget(m_file, m_translate);
    if (target.file.empty())
        return CannotChange(m_translate, m_file, target.refusal);
    const std::string bytes = "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Stillmark\n"
                              "Comment=Reminds you to take a short break at fixed times of the day\n"
                              "Exec=" +
                              exec +
                              "\n"
                              "Icon=stillmark\n"
                              "Terminal=false\n"
                              "X-GNOME-Autostart-enabled=true\n";
    if (const std::string reason = WriteFileAtomically(target.file, bytes); !reason.empty())
        return CannotChange(m_translate, m_file, reason);
    return {};
}

std::string AutostartEntry::TurnOff() {
    if (::unlink(m_file.c_str()) != 0 && errno != ENOENT)
        return CannotChange(m_translate, m_file, std::strerror(errno));
    return {};
}

} // namespace stillmark
