#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace stillmark {

enum class ReadStatus { Ok, Missing, Failed };

struct FileContent {
    ReadStatus status;
    std::string bytes;
};

// The whole content of a regular file. Missing means there is no file at the path; Failed covers everything
// else that keeps the content from being read (no permission, a folder, an I/O error).
FileContent ReadFileBytes(const std::filesystem::path& file);

// Replaces the file's content so that at every moment the file holds either its old or its new content: the
// bytes go to a temporary file in the same folder, which is flushed to disk and then renamed over the file.
// A symbolic link at the path is followed, so the link stays. Missing folders are created. On failure the old
// file is untouched, the temporary file is removed and the result is false.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace stillmark
