#include "settings/WriteTarget.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stillmark {
namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

// The refusal why, naming the first link's target and a detail: a later link or the system's reason.
WriteTarget Refuse(Translator translate, const char* why, const std::filesystem::path& target,
                   std::string_view detail = {}) {
    return {Outcome::Failed(FillIn(translate(why), {target.string(), detail})), {}};
}

bool IsOwnOrRoot(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

// Whether a user other than the running one (or root) may add, remove or replace names in the folder.
// A group-writable folder is safe only when its group is the user's own private group.
bool OthersCanWrite(const struct stat& folder) {
    if (!IsOwnOrRoot(folder.st_uid) || (folder.st_mode & S_IWOTH) != 0)
        return true;
    if ((folder.st_mode & S_IWGRP) == 0)
        return false;
    const passwd* user = ::getpwuid(::geteuid());
    const group* group = ::getgrgid(folder.st_gid);
    return !user || !group || group->gr_gid != user->pw_gid || group->gr_mem[0] != nullptr ||
           std::strcmp(group->gr_name, user->pw_name) != 0;
}

// Why a link may not be followed: it is not the user's or root's, or others could replace it. The first
// link is the one the user made; a later one is named.
const char* LinkProblem(const std::filesystem::path& link, const struct stat& status, bool firstLink) {
    if (!IsOwnOrRoot(status.st_uid))
        return firstLink
                   // TRANSLATORS: why a settings file, a symbolic link, is not written: %s is the
                   // link's target.
                   ? Translatable("it is a link to %s, and the link is not yours")
                   // TRANSLATORS: why a settings file, a symbolic link, is not written: %1$s is the
                   // link's target, %2$s another link on the way to it.
                   : Translatable("it is a link to %1$s, and the link %2$s on the way is not yours");
    struct stat folder {};
    if (::stat(link.parent_path().c_str(), &folder) != 0 || OthersCanWrite(folder))
        return firstLink ? Translatable("it is a link to %s, and the link sits in a folder others can write")
                         // TRANSLATORS: %1$s is the target of the settings file's link, %2$s another link on
                         // the way to it.
                         : Translatable("it is a link to %1$s, and the link %2$s on the way sits in a folder "
                                        "others can write");
    return nullptr;
}

} // namespace

WriteTarget ResolveWriteTarget(const std::filesystem::path& path, Translator translate) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return {{}, path};

    // Every link of the chain is checked before the next one is followed: a link further on,
    // replaced by someone else, must not lead the write to a file of their choosing. Refusals name
    // the first link's target, as the user made it, and the part of the chain at fault.
    std::filesystem::path current = path;
    std::filesystem::path firstTarget;
    for (int links = 0; links < kMaxLinks; ++links) {
        std::error_code error;
        std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error)
            return {Outcome::Failed(
                        FillIn(translate(Translatable("its link cannot be read (%s)")), {error.message()})),
                    {}};
        if (next.is_relative())
            next = current.parent_path() / next;
        next = next.lexically_normal();
        const bool firstLink = links == 0;
        if (firstLink)
            firstTarget = next;
        if (const char* problem = LinkProblem(current, status, firstLink))
            return Refuse(translate, problem, firstTarget, current.string());
        current = next;

        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT)
                // TRANSLATORS: %1$s is the target of a symbolic link, %2$s the system's reason.
                return Refuse(translate, Translatable("it is a link to %1$s, %2$s"), firstTarget,
                              std::strerror(errno));
            // Dangling: the target is created, in a folder of the user's, at the end of a single link.
            if (!firstLink)
                return Refuse(translate,
                              Translatable("it is a link to %s, which is a link that leads nowhere"),
                              firstTarget);
            struct stat folder {};
            if (::stat(current.parent_path().c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
                return Refuse(translate, Translatable("it is a link to %s, whose folder does not exist"),
                              firstTarget);
            if (folder.st_uid != ::geteuid())
                return Refuse(translate, Translatable("it is a link to %s, whose folder is not yours"),
                              firstTarget);
            return {{}, current};
        }
        if (S_ISLNK(status.st_mode))
            continue;
        if (!S_ISREG(status.st_mode))
            return Refuse(translate, Translatable("it is a link to %s, which is not a regular file"),
                          firstTarget);
        if (status.st_uid != ::geteuid())
            return Refuse(translate, Translatable("it is a link to %s, which is not your file"), firstTarget);
        // The end of the chain: a rename onto it keeps every link on the way.
        return {{}, current};
    }
    return Refuse(translate, Translatable("it is a link to %1$s, %2$s"), firstTarget, std::strerror(ELOOP));
}

} // namespace stillmark
