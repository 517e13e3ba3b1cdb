#pragma once
// What opening a link came to, the message the user reads when it failed, and how the causes
// GLib reports (GIO's launch, the spawn of the fallback opener, its exit status) are read.
#include "base/Translatable.h"

#include <glib.h>
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

// An error of GIO (G_IO_ERROR) or of starting a program (G_SPAWN_ERROR); anything else means that
// no program could take the target.
OpenResult OpenResultOfError(GQuark domain, int code);
// The fallback opener's exit status: 0 opened; 1 (target not understood) and 2 (file missing)
// "file not found"; 3 (a tool it needs is missing), 4 (no way to open it) and others "no application".
OpenResult OpenResultOfExitStatus(int status);

} // namespace stillmark
