#include "platform/windows/WinmmSoundEngine.h"

#include "base/Diagnostics.h"

#include <wx/app.h>
#include <wx/log.h>
#include <wx/string.h>
// windows.h before mmsystem.h, which needs its types.
#include <windows.h>

#include <mmsystem.h>

namespace stillmark {
namespace {

// The one media file open at a time, under a name of the program's own.
constexpr const wchar_t* kAlias = L"stillmark_media";

bool SendMci(const std::wstring& command) {
    const MCIERROR error = ::mciSendStringW(command.c_str(), nullptr, 0, nullptr);
    if (error != 0) {
        wchar_t text[256] = {};
        ::mciGetErrorStringW(error, text, 256);
        wxLogTrace(kTraceMask, "MCI \"%s\": %s", wxString(command), wxString(text));
    }
    return error == 0;
}

} // namespace

WinmmSoundEngine::~WinmmSoundEngine() {
    StopWave();
    CloseMedia();
}

bool WinmmSoundEngine::PlayWaveMemory(const unsigned char* data, std::size_t size) {
    // The data is the program's own and lives as long as the program: PlaySound may read it later.
    if (!data || size == 0)
        return false;
    return ::PlaySoundW(reinterpret_cast<LPCWSTR>(data), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT) !=
           FALSE;
}

bool WinmmSoundEngine::PlayWaveFile(const std::string& path) {
    const std::wstring file = wxString::FromUTF8(path).ToStdWstring();
    // PlaySound reads the file only after it has returned: a file that is not there would play nothing
    // and still count as played, so the caller would not fall back to the chime.
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return ::PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

void WinmmSoundEngine::StopWave() {
    ::PlaySoundW(nullptr, nullptr, 0);
}

bool WinmmSoundEngine::OpenMedia(const std::string& path) {
    CloseMedia();
    // The quotes keep spaces in the path; no Windows path holds a quote.
    if (path.find('"') != std::string::npos)
        return false;
    const std::wstring file = wxString::FromUTF8(path).ToStdWstring();
    m_mediaOpen = SendMci(L"open \"" + file + L"\" type mpegvideo alias " + kAlias);
    return m_mediaOpen;
}

void WinmmSoundEngine::PlayMediaFromStart() {
    if (m_mediaOpen && !SendMci(std::wstring(L"play ") + kAlias + L" from 0"))
        ReportLater(SoundChannel::Media);
}

void WinmmSoundEngine::StopMedia() {
    if (m_mediaOpen)
        SendMci(std::wstring(L"stop ") + kAlias);
}

void WinmmSoundEngine::CloseMedia() {
    if (m_mediaOpen)
        SendMci(std::wstring(L"close ") + kAlias);
    m_mediaOpen = false;
}

void WinmmSoundEngine::ReportLater(SoundChannel channel) {
    // From the main loop, as the interface promises: the caller may be in the middle of its own work.
    if (wxTheApp)
        wxTheApp->CallAfter([this, channel] {
            if (m_onFailure)
                m_onFailure(channel);
        });
}

} // namespace stillmark
