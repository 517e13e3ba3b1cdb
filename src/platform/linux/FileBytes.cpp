#include "settings/FileBytes.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stillmark {
namespace {

// Closes the descriptor when the scope ends unless it was released.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Folders are created private to the user, as the desktop's configuration folders are.
void CreateFolders(const std::filesystem::path& folder) {
    if (folder.empty() || ::access(folder.c_str(), F_OK) == 0) {
        return;
    }
    CreateFolders(folder.parent_path() == folder ? std::filesystem::path() : folder.parent_path());
    ::mkdir(folder.c_str(), 0700);
}

std::filesystem::path TemporaryName(const std::filesystem::path& file) {
    static std::atomic<unsigned> counter{0};
    return file.parent_path() / ("." + file.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++));
}

// Temporary files of writers that were killed before their rename would pile up beside the
// settings: remove those whose process no longer runs.
void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::string prefix = "." + file.filename().string() + ".tmp-";
    std::error_code error;
    std::error_code ignored; // a file that cannot be removed does not end the walk
    // Stepped with the error_code overload: the range-for's increment would throw.
    for (auto entry = std::filesystem::directory_iterator(file.parent_path(), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.rfind(prefix, 0) != 0)
            continue;
        const std::string rest = name.substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string::npos || rest.find_first_not_of("0123456789") != dash)
            continue;
        const long pid = std::strtol(rest.c_str(), nullptr, 10);
        if (pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            std::filesystem::remove(entry->path(), ignored);
    }
}

} // namespace

FileContent ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes, Translator translate) {
    // Non-blocking, so that a pipe at the path is refused instead of waited on.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0) {
        const int error = errno;
        return FileContent::Of(error == ENOENT ? ReadStatus::Missing : ReadStatus::Failed,
                               std::strerror(error));
    }
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0)
        return FileContent::Of(ReadStatus::Failed, std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        return FileContent::Of(ReadStatus::Failed, std::strerror(EISDIR));
    if (!S_ISREG(status.st_mode))
        return FileContent::Of(ReadStatus::Failed, translate(Translatable("not a regular file")));
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        return FileContent::Of(ReadStatus::TooLarge);
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return FileContent::Of(ReadStatus::Failed, std::strerror(errno));
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > maxBytes) // it grew after the size was taken
            return FileContent::Of(ReadStatus::TooLarge);
    }
    FileContent content = FileContent::Of(ReadStatus::Ok);
    content.bytes = std::move(bytes);
    return content;
}

Outcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(path, error);
    if (error)
        return Outcome::Failed(error.message());
    const std::filesystem::path folder = file.parent_path();
    CreateFolders(folder);

    // The new file keeps the permissions of the user's own file it replaces; one of another user's
    // gets the user's own mode (through the umask), never theirs.
    struct stat old {};
    const bool replacing = ::stat(file.c_str(), &old) == 0 && old.st_uid == ::geteuid();

    std::filesystem::path temporary;
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporary = TemporaryName(file);
        descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            return Outcome::Failed(std::strerror(errno));
    }
    if (descriptor < 0)
        return Outcome::Failed(std::strerror(EEXIST));
    FileDescriptor fd(descriptor);

    const bool ok = (!replacing || ::fchmod(fd.Get(), old.st_mode & 07777) == 0) &&
                    WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0 && fd.Close() &&
                    ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!ok) {
        const std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return Outcome::Failed(reason);
    }

    // Make the rename itself durable; the data is already safe, so a failure here is not reported.
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
    RemoveStaleTemporaries(file);
    return {};
}

} // namespace stillmark
