#include "settings/FileBytes.h"

#include "platform/windows/SystemMessage.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <windows.h>

namespace stillmark {
namespace {

// Closes the handle when the scope ends unless it was closed before.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (Valid())
            ::CloseHandle(m_handle);
    }
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        // WriteFile takes at most 4 GiB at a time.
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::filesystem::path TemporaryName(const std::filesystem::path& file) {
    static std::atomic<unsigned> counter{0};
    return file.parent_path() /
           (L"." + file.filename().wstring() + L".tmp-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter++));
}

bool ProcessRuns(unsigned long id) {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process)
        return ::GetLastError() != ERROR_INVALID_PARAMETER; // no such process; anything else: assume it runs
    DWORD code = 0;
    const bool runs = !::GetExitCodeProcess(process, &code) || code == STILL_ACTIVE;
    ::CloseHandle(process);
    return runs;
}

// Temporary files of writers that were killed before their rename would pile up beside the
// settings: remove those whose process no longer runs.
void RemoveStaleTemporaries(const std::filesystem::path& file) {
    // Wide names throughout: a narrow one throws for a character outside the code page.
    const std::wstring prefix = L"." + file.filename().wstring() + L".tmp-";
    std::error_code error;
    std::error_code ignored; // a file that cannot be removed does not end the walk
    // Stepped with the error_code overload: the range-for's increment would throw.
    for (auto entry = std::filesystem::directory_iterator(file.parent_path(), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::wstring name = entry->path().filename().wstring();
        if (name.rfind(prefix, 0) != 0)
            continue;
        const std::wstring rest = name.substr(prefix.size());
        const std::size_t dash = rest.find(L'-');
        if (dash == 0 || dash == std::wstring::npos || rest.find_first_not_of(L"0123456789") != dash)
            continue;
        const unsigned long id = std::wcstoul(rest.c_str(), nullptr, 10);
        if (id == 0 || id == ::GetCurrentProcessId() || ProcessRuns(id))
            continue;
        std::filesystem::remove(entry->path(), ignored);
    }
}

} // namespace

FileContent ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes, Translator translate) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return FileContent::Of(missing ? ReadStatus::Missing : ReadStatus::Failed, SystemMessage(error));
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileContent::Of(ReadStatus::Failed, std::strerror(EISDIR));
    // Others may go on reading, writing or replacing the file while it is read (as on other systems).
    FileHandle handle(::CreateFileW(file.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.Valid())
        return FileContent::Of(ReadStatus::Failed, SystemMessage(::GetLastError()));
    // A named pipe or a device at the path would block or never end.
    if (::GetFileType(handle.Get()) != FILE_TYPE_DISK)
        return FileContent::Of(ReadStatus::Failed, translate(Translatable("not a regular file")));
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.Get(), &size))
        return FileContent::Of(ReadStatus::Failed, SystemMessage(::GetLastError()));
    if (static_cast<std::uintmax_t>(size.QuadPart) > maxBytes)
        return FileContent::Of(ReadStatus::TooLarge);
    std::string bytes;
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(handle.Get(), buffer, sizeof buffer, &got, nullptr))
            return FileContent::Of(ReadStatus::Failed, SystemMessage(::GetLastError()));
        if (got == 0)
            break;
        bytes.append(buffer, got);
        if (bytes.size() > maxBytes) // it grew after the size was taken
            return FileContent::Of(ReadStatus::TooLarge);
    }
    FileContent content = FileContent::Of(ReadStatus::Ok);
    content.bytes = std::move(bytes);
    return content;
}

Outcome WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(path, error);
    if (error)
        return Outcome::Failed(error.message());
    std::error_code folderError;
    std::filesystem::create_directories(file.parent_path(), folderError);

    std::filesystem::path temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryName(file);
        created = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (const DWORD error = ::GetLastError();
            created == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS)
            return Outcome::Failed(SystemMessage(error));
    }
    if (created == INVALID_HANDLE_VALUE)
        return Outcome::Failed(SystemMessage(ERROR_FILE_EXISTS));
    FileHandle handle(created);

    // The data is on the disk before the new name points at it, and the rename itself is written
    // through, so that a crash or a power cut leaves the old file or the new one, never a torn one.
    const bool ok =
        WriteAll(handle.Get(), bytes) && ::FlushFileBuffers(handle.Get()) && handle.Close() &&
        ::MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        const std::string reason = SystemMessage(::GetLastError());
        if (handle.Valid())
            handle.Close();
        ::DeleteFileW(temporary.c_str());
        return Outcome::Failed(reason);
    }
    RemoveStaleTemporaries(file);
    return {};
}

} // namespace stillmark
