#include "settings/AutostartEntry.h"

#include "settings/FileBytes.h"
#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"
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

std::filesystem::path DefaultAutostartPath() {
    // Beside the settings file: both follow the same base-directory rules.
    return DefaultSettingsPath().parent_path() / "autostart" / kAutostartFileName;
}

std::filesystem::path LauncherPath(std::string_view argv0, std::string_view searchPath) {
    std::error_code error;
    if (argv0.find('/') != std::string_view::npos) {
        // Links are kept: the path the user's launcher named outlives an update of what it leads to.
        const std::filesystem::path absolute = std::filesystem::absolute(argv0, error);
        if (!error && ::access(absolute.c_str(), X_OK) == 0)
            return absolute.lexically_normal();
    } else if (!argv0.empty()) {
        for (std::size_t start = 0; start <= searchPath.size();) {
            const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
            const std::filesystem::path folder(searchPath.substr(start, end - start));
            const std::filesystem::path candidate = folder / argv0;
            if (folder.is_absolute() && std::filesystem::is_regular_file(candidate, error) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return candidate.lexically_normal();
            start = end + 1;
        }
    }
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

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
