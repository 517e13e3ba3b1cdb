#include "settings/WriteTarget.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace stillmark {
namespace {

WriteTarget Refuse(const std::filesystem::path& target, const char* why) {
    return {{}, "it is a link to " + target.string() + ", " + why};
}

} // namespace

WriteTarget ResolveWriteTarget(const std::filesystem::path& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return {path, {}};
    const uid_t user = ::geteuid();
    std::error_code error;
    std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error)
        return {{}, "its link cannot be read (" + error.message() + ")"};
    if (target.is_relative())
        target = path.parent_path() / target;
    if (link.st_uid != user)
        return Refuse(target, "and the link is not yours");

    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return Refuse(target, "which is not a regular file");
        if (status.st_uid != user)
            return Refuse(target, "which is not your file");
        // The end of the chain: a rename onto it keeps every link on the way.
        const std::filesystem::path end = std::filesystem::canonical(path, error);
        if (error)
            return Refuse(target, error.message().c_str());
        return {end, {}};
    }
    if (errno != ENOENT)
        return Refuse(target, std::strerror(errno));

    // Dangling: the target is created, in a folder of the user's, unless it is a link itself.
    struct stat targetStatus {};
    if (::lstat(target.c_str(), &targetStatus) == 0)
        return Refuse(target, "which is a link that leads nowhere");
    struct stat folder {};
    const std::filesystem::path targetFolder = target.parent_path();
    if (::stat(targetFolder.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
        return Refuse(target, "whose folder does not exist");
    if (folder.st_uid != user)
        return Refuse(target, "whose folder is not yours");
    return {target, {}};
}

} // namespace stillmark
