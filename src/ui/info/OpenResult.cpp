#include "ui/info/OpenResult.h"

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
