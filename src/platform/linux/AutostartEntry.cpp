#include "platform/linux/AutostartEntry.h"

#include "base/ProductIdentity.h"
#include "settings/FileBytes.h"
#include "settings/IniDocument.h"
#include "settings/WriteTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gio/gdesktopappinfo.h>
#include <sys/stat.h>
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

std::string EntryBytes(const std::string& body) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           std::string(kProductName) +
           "\n"
           "Comment=Reminds you to take a short break at fixed times of the day\n" +
           body;
}

// A link whose target is not a regular file of the user's: the user did not make it for us.
bool IsForeignLink(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error)))
        return false;
    struct stat target {};
    return ::stat(file.c_str(), &target) != 0 || !S_ISREG(target.st_mode) || target.st_uid != ::geteuid();
}

enum class EntryState { Missing, Starts, Stays };

// What the desktop makes of one entry at log-in: no entry, one that starts the program, or one that
// does not (hidden, switched off, unreadable, or naming a program that is not there).
EntryState ReadEntry(const std::filesystem::path& file, bool usersOwn) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        return EntryState::Missing;
    if (usersOwn && IsForeignLink(file))
        return EntryState::Stays;
    const FileContent content = ReadFileBytes(file, kMaxEntryBytes);
    if (content.status == ReadStatus::Missing || content.status == ReadStatus::Failed)
        return content.status == ReadStatus::Missing ? EntryState::Missing : EntryState::Stays;
    if (content.status == ReadStatus::Ok) {
        const IniDocument entry = IniDocument::Parse(content.bytes);
        const auto hidden = entry.Find("Desktop Entry", "Hidden");
        const auto enabled = entry.Find("Desktop Entry", "X-GNOME-Autostart-enabled");
        if ((hidden && *hidden == "true") || (enabled && *enabled == "false"))
            return EntryState::Stays;
    }
    // The desktop starts only what GLib can load: its Exec names a program that is there.
    GDesktopAppInfo* info = g_desktop_app_info_new_from_filename(file.c_str());
    if (!info)
        return EntryState::Stays;
    g_object_unref(info);
    return EntryState::Starts;
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

AutostartEntry::AutostartEntry(std::filesystem::path file, std::vector<std::filesystem::path> systemEntries,
                               Translator translate)
    : m_file(std::move(file)), m_systemEntries(std::move(systemEntries)), m_translate(translate) {}

bool AutostartEntry::IsOn() const {
    if (const EntryState own = ReadEntry(m_file, true); own != EntryState::Missing)
        return own == EntryState::Starts; // the user's entry hides the system's
    return SystemEntryStarts();
}

bool AutostartEntry::SystemEntryStarts() const {
    for (const auto& entry : m_systemEntries)
        if (const EntryState state = ReadEntry(entry, false); state != EntryState::Missing)
            return state == EntryState::Starts; // the first folder that has one decides
    return false;
}

std::string AutostartEntry::Write(const std::string& body) {
    // A link the user did not make for us is replaced, not written through.
    std::error_code error;
    if (IsForeignLink(m_file) && !std::filesystem::remove(m_file, error))
        return CannotChange(m_translate, m_file, error.message());
    const WriteTarget target = ResolveWriteTarget(m_file, m_translate);
    if (!target.ok())
        return CannotChange(m_translate, m_file, target.problem);
    if (const Outcome written = WriteFileAtomically(target.file, EntryBytes(body)); !written.ok())
        return CannotChange(m_translate, m_file, written.problem);
    return {};
}

std::string AutostartEntry::TurnOn(const std::filesystem::path& program) {
    const std::string exec = ExecArgument(program.string());
    if (program.empty() || exec.empty())
        return CannotChange(
            m_translate, m_file,
            m_translate(Translatable("the program's own path is not known or cannot be written there")));
    // GLib looks for the program before it undoes a doubled "%": env is found, and starts it.
    const std::string command = exec.find('%') == std::string::npos ? exec : "env " + exec;
    return Write("Exec=" + command + "\nIcon=stillmark\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
}

std::string AutostartEntry::TurnOff() {
    if (::unlink(m_file.c_str()) != 0 && errno != ENOENT)
        return CannotChange(m_translate, m_file, std::strerror(errno));
    // An entry of the system's would still start it: the user's own entry hides it.
    if (SystemEntryStarts())
        return Write("Hidden=true\n");
    return {};
}

} // namespace stillmark
