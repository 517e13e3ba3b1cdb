#include "ui/info/OpenResult.h"

#include <gio/gio.h>

namespace stillmark {

std::string OpenErrorText(OpenResult result, Translator translate) {
    switch (result) {
    case OpenResult::Opened:
        return {};
    case OpenResult::OutOfResources:
        return translate(Translatable("The operating system is out\nof memory or resources."));
    case OpenResult::FileNotFound:
        return translate(Translatable("The specified file was not found."));
    case OpenResult::PathNotFound:
        return translate(Translatable("The specified path was not found."));
    case OpenResult::AccessDenied:
        return translate(Translatable("The operating system denied\naccess to the specified file."));
    case OpenResult::OutOfMemory:
        return translate(Translatable("There was not enough memory to complete the operation."));
    case OpenResult::BadFormat:
        return translate(Translatable("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."));
    case OpenResult::SharingViolation:
        return translate(Translatable("A sharing violation occurred. "));
    case OpenResult::AssociationIncomplete:
        return translate(Translatable("The filename association is\nincomplete or invalid."));
    case OpenResult::NoAssociation:
        return translate(
            Translatable("There is no application associated\nwith the given filename extension."));
    }
    return {};
}

std::string OpenErrorMessage(OpenResult result, Translator translate) {
    return translate(Translatable("Unable to open hyperlink:\n\n")) + OpenErrorText(result, translate);
}

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

OpenResult OpenResultOfExitStatus(int status) {
    switch (status) {
    case 0:
        return OpenResult::Opened;
    case 1:
    case 2:
        return OpenResult::FileNotFound;
    default:
        return OpenResult::NoAssociation;
    }
}

} // namespace stillmark
