#include "platform/windows/Locations.h"

// windows.h first: the others need its types.
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace stillmark {

std::filesystem::path DefaultSettingsPath() {
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder)))
        path = std::filesystem::path(folder) / L"Stillmark" / L"stillmark.INI";
    ::CoTaskMemFree(folder);
    return path;
}

std::filesystem::path ProgramPath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::filesystem::path(buffer.substr(0, length));
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace stillmark
