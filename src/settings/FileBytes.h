#pragma once

#include "base/Translatable.h"
#include "settings/Outcome.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace stillmark {

enum class ReadStatus { Ok, Missing, TooLarge, Failed };

// Not ok when the content could not be read (Failed), and why.
struct FileContent : Outcome {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;

    // A content without bytes; why counts only for Failed.
    static FileContent Of(ReadStatus status, std::string why = {}) {
        FileContent content;
        content.status = status;
        if (status == ReadStatus::Failed)
            content.problem = std::move(why);
        return content;
    }
};

// The whole content of a regular file of at most maxBytes; a larger file is not read (TooLarge). Missing
// means there is no file at the path; Failed covers everything else that keeps the content from being
// read (no permission, a folder, a link loop, an I/O error).
FileContent ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes,
                          Translator translate = AsWritten);

// Replaces the file's content so that at every moment the file holds either its old or its new content: the
// bytes go to a temporary file in the same folder, which is flushed to disk and then renamed over the file.
// The path is taken as it is (callers decide about links). Missing folders are created. Returns an empty
// failure's reason; the old file is then untouched and the temporary file removed. Throws nothing.
Outcome WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace stillmark
