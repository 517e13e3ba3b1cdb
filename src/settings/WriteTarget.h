#pragma once
// Where a write of the settings file may go when the path is a symbolic link.
#include "base/Translatable.h"
#include "settings/Outcome.h"

#include <filesystem>
#include <string>

namespace stillmark {

// Not ok: the write is refused, and why.
struct WriteTarget : Outcome {
    std::filesystem::path file; // the file to replace; empty when the write is refused
};

// A path that is no link is written as it is. A chain of links is written through only when every
// link on it belongs to the running user or root and sits in a folder no other user can write, and
// the chain ends in a regular file of the user's; a single dangling link whose target's folder is the
// user's gets its target created there (the link stays). Anything else is refused.
WriteTarget ResolveWriteTarget(const std::filesystem::path& path, Translator translate = AsWritten);

} // namespace stillmark
