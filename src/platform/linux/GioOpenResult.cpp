#include "platform/linux/GioOpenResult.h"

#include <gio/gio.h>

namespace stillmark {

namespace {

OpenResult OfIoError(int code) {
    switch (code) {
    case G_IO_ERROR_NOT_FOUND:
    case G_IO_ERROR_INVALID_FILENAME:
    case G_IO_ERROR_INVALID_ARGUMENT:
        return OpenResult::FileNotFound;
    case G_IO_ERROR_NOT_DIRECTORY:
    case G_IO_ERROR_FILENAME_TOO_LONG:
    case G_IO_ERROR_TOO_MANY_LINKS:
        return OpenResult::PathNotFound;
    case G_IO_ERROR_PERMISSION_DENIED:
        return OpenResult::AccessDenied;
    case G_IO_ERROR_NO_SPACE:
    case G_IO_ERROR_TOO_MANY_OPEN_FILES:
        return OpenResult::OutOfResources;
    case G_IO_ERROR_BUSY:
        return OpenResult::SharingViolation;
    default: // G_IO_ERROR_NOT_SUPPORTED: no application for the scheme, and every other failure
        return OpenResult::NoAssociation;
    }
}

OpenResult OfSpawnError(int code) {
    switch (code) {
    case G_SPAWN_ERROR_NOENT:
        return OpenResult::FileNotFound;
    case G_SPAWN_ERROR_NOTDIR:
    case G_SPAWN_ERROR_LOOP:
    case G_SPAWN_ERROR_NAMETOOLONG:
        return OpenResult::PathNotFound;
    case G_SPAWN_ERROR_ACCES:
    case G_SPAWN_ERROR_PERM:
        return OpenResult::AccessDenied;
    case G_SPAWN_ERROR_NOMEM:
    case G_SPAWN_ERROR_TOO_BIG:
        return OpenResult::OutOfMemory;
    case G_SPAWN_ERROR_NOEXEC:
    case G_SPAWN_ERROR_LIBBAD:
        return OpenResult::BadFormat;
    case G_SPAWN_ERROR_TXTBUSY:
        return OpenResult::SharingViolation;
    case G_SPAWN_ERROR_FORK:
    case G_SPAWN_ERROR_MFILE:
    case G_SPAWN_ERROR_NFILE:
        return OpenResult::OutOfResources;
    default:
        return OpenResult::NoAssociation;
    }
}

} // namespace

OpenResult OpenResultOfError(GQuark domain, int code) {
    if (domain == G_IO_ERROR)
        return OfIoError(code);
    if (domain == G_SPAWN_ERROR)
        return OfSpawnError(code);
    return OpenResult::NoAssociation;
}

} // namespace stillmark
