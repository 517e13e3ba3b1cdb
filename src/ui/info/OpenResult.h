#pragma once
// What opening a link came to, the message the user reads when it failed, and how the fallback
// opener's exit status is read.
#include "base/Translatable.h"

#include <string>

namespace stillmark {

enum class OpenResult {
    Opened,
    OutOfResources,
    FileNotFound,
    PathNotFound,
    AccessDenied,
    OutOfMemory,
    BadFormat,
    SharingViolation,
    AssociationIncomplete,
    NoAssociation,
};

// The explanation of a failure (empty for Opened), and the whole message with its heading.
std::string OpenErrorText(OpenResult result, Translator translate = AsWritten);
std::string OpenErrorMessage(OpenResult result, Translator translate = AsWritten);

// The fallback opener's exit status: 0 opened; 1 (target not understood) and 2 (file missing)
// "file not found"; 3 (a tool it needs is missing), 4 (no way to open it) and others "no application".
OpenResult OpenResultOfExitStatus(int status);

} // namespace stillmark
