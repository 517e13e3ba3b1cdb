#include "settings/WriteTarget.h"

#include "platform/windows/SystemMessage.h"

#include <string>
#include <windows.h>

namespace stillmark {
namespace {

// The path Windows reached at the end of every link and junction, without the "\\?\" it puts before it.
std::filesystem::path FinalPath(HANDLE handle) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(
            handle, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(length);
    }
    if (buffer.rfind(L"\\\\?\\UNC\\", 0) == 0)
        return L"\\\\" + buffer.substr(8);
    if (buffer.rfind(L"\\\\?\\", 0) == 0)
        return buffer.substr(4);
    return buffer;
}

WriteTarget Target(const std::filesystem::path& file) {
    WriteTarget target;
    target.file = file;
    return target;
}

WriteTarget Refused(std::string why) {
    WriteTarget target;
    target.problem = std::move(why);
    return target;
}

} // namespace

// Only an administrator (or a user who turned on developer mode) can make symbolic links here, and the
// settings folder under %APPDATA% is the user's own, so no one else can slip a link into the chain:
// a link is followed to its end, and the file found there is written, so the link stays.
WriteTarget ResolveWriteTarget(const std::filesystem::path& path, Translator translate) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return Target(path);

    // Opening without FILE_FLAG_OPEN_REPARSE_POINT follows every link to the end of the chain.
    const HANDLE handle =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return Refused(FillIn(translate(Translatable("its link cannot be read (%s)")),
                              {SystemMessage(::GetLastError())}));
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = ::GetFileInformationByHandle(handle, &information) != 0;
    const std::filesystem::path target = FinalPath(handle);
    const DWORD error = ::GetLastError();
    ::CloseHandle(handle);
    if (!known || target.empty())
        return Refused(
            FillIn(translate(Translatable("its link cannot be read (%s)")), {SystemMessage(error)}));
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return Refused(FillIn(translate(Translatable("it is a link to %s, which is not a regular file")),
                              {target.string()}));
    return Target(target);
}

} // namespace stillmark
