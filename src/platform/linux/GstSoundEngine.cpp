#include "platform/linux/GstSoundEngine.h"

#include "base/Diagnostics.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>
#include <wx/log.h>

namespace stillmark {
namespace {

// playbin's flags: audio only, with software volume kept so the volume stays adjustable.
constexpr guint kPlayFlagsAudioSoftVolume = 0x02 | 0x10;

bool InitGstreamer() {
    // gst_init_check returns at once when GStreamer is up already.
    GError* error = nullptr;
    const bool ok = gst_init_check(nullptr, nullptr, &error);
    g_clear_error(&error);
    return ok;
}

// A cheap look before a pipeline is built: an existing, non-empty, readable regular file.
bool IsPlayableFile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file(path);
    if (path.empty() || !std::filesystem::is_regular_file(file, ec) ||
        std::filesystem::file_size(file, ec) == 0 || ec)
        return false;
    return std::ifstream(file, std::ios::binary).good();
}

std::optional<std::string> FileUri(const std::string& path) {
    if (!IsPlayableFile(path))
        return std::nullopt;
    GError* error = nullptr;
    gchar* uri = gst_filename_to_uri(path.c_str(), &error); // resolves a relative path against the cwd
    g_clear_error(&error);
    if (!uri)
        return std::nullopt;
    std::string result(uri);
    g_free(uri);
    return result;
}

bool IsRiffWave(const unsigned char* data, std::size_t size) {
    return data && size > 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WAVE", 4) == 0;
}

} // namespace

// One playbin with its bus watch. Destroying it stops and releases everything it holds.
class GstSoundEngine::Player {
public:
    Player(GstSoundEngine& owner, SoundChannel channel) : m_owner(owner), m_channel(channel) {}

    ~Player() {
        if (m_playbin) {
            GstBus* bus = gst_element_get_bus(m_playbin);
            gst_bus_remove_watch(bus);
            gst_object_unref(bus);
            gst_element_set_state(m_playbin, GST_STATE_NULL);
            gst_object_unref(m_playbin);
        }
        if (m_memory)
            gst_buffer_unref(m_memory);
    }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    bool Build(const std::string& uri, const std::string& audioSink, const unsigned char* memory,
               std::size_t size) {
        m_playbin = gst_element_factory_make("playbin", nullptr);
        if (!m_playbin)
            return false;
        gst_object_ref_sink(m_playbin);
        g_object_set(m_playbin, "uri", uri.c_str(), "flags", kPlayFlagsAudioSoftVolume, nullptr);
        if (!audioSink.empty()) {
            GError* error = nullptr;
            GstElement* sink = gst_parse_bin_from_description(audioSink.c_str(), TRUE, &error);
            g_clear_error(&error);
            if (!sink)
                return false;
            g_object_set(m_playbin, "audio-sink", sink, nullptr); // playbin takes the floating reference
        }
        if (memory) {
            m_memory = gst_buffer_new_memdup(memory, size);
            g_signal_connect(m_playbin, "source-setup", G_CALLBACK(&Player::OnSourceSetup), this);
        }
        GstBus* bus = gst_element_get_bus(m_playbin);
        gst_bus_add_watch(bus, &Player::OnBusMessage, this); // on the default main context
        gst_object_unref(bus);
        return true;
    }

    bool Start(GstState state) {
        if (state == GST_STATE_PLAYING)
            m_started = true;
        return gst_element_set_state(m_playbin, state) != GST_STATE_CHANGE_FAILURE;
    }

    bool Started() const { return m_started; }

private:
    // The in-memory image goes into playbin's appsrc in one buffer, followed by its end.
    static void OnSourceSetup(GstElement*, GstElement* source, gpointer self) {
        auto* player = static_cast<Player*>(self);
        if (!GST_IS_APP_SRC(source))
            return;
        GstAppSrc* appsrc = GST_APP_SRC(source);
        gst_app_src_set_size(appsrc, static_cast<gint64>(gst_buffer_get_size(player->m_memory)));
        gst_app_src_push_buffer(appsrc, gst_buffer_ref(player->m_memory));
        gst_app_src_end_of_stream(appsrc);
    }

    static gboolean OnBusMessage(GstBus*, GstMessage* message, gpointer self) {
        auto* player = static_cast<Player*>(self);
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
            // The owner destroys this player: touch nothing of it afterwards.
            player->m_owner.OnPlayerFinished(player->m_channel, SoundOutcome::Ended);
            return G_SOURCE_REMOVE;
        case GST_MESSAGE_ERROR: {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            wxLogTrace(kTraceMask, "a sound failed as it played: %s",
                       wxString::FromUTF8(error ? error->message : "no reason given"));
            g_clear_error(&error);
            player->m_owner.OnPlayerFinished(player->m_channel, SoundOutcome::Failed);
            return G_SOURCE_REMOVE;
        }
        default:
            return G_SOURCE_CONTINUE;
        }
    }

    GstSoundEngine& m_owner;
    const SoundChannel m_channel;
    GstElement* m_playbin = nullptr;
    GstBuffer* m_memory = nullptr;
    bool m_started = false;
};

GstSoundEngine::GstSoundEngine(std::string audioSink) : m_audioSink(std::move(audioSink)) {}

GstSoundEngine::~GstSoundEngine() {
    m_wave.reset();
    m_media.reset();
}

std::unique_ptr<GstSoundEngine::Player> GstSoundEngine::MakePlayer(const std::string& uri,
                                                                   SoundChannel channel,
                                                                   const unsigned char* memory,
                                                                   std::size_t size) {
    // GStreamer starts with the first sound, not with the program: its plugin registry
    // costs start-up time and memory that a window that only waits does not need.
    static const bool ready = InitGstreamer();
    if (!ready)
        return nullptr;
    auto player = std::make_unique<Player>(*this, channel);
    if (!player->Build(uri, m_audioSink, memory, size))
        return nullptr;
    return player;
}

bool GstSoundEngine::PlayWaveMemory(const unsigned char* data, std::size_t size) {
    m_wave.reset();
    if (!IsRiffWave(data, size))
        return false;
    m_wave = MakePlayer("appsrc://", SoundChannel::Wave, data, size);
    if (!m_wave || !m_wave->Start(GST_STATE_PLAYING)) {
        m_wave.reset();
        return false;
    }
    return true;
}

bool GstSoundEngine::PlayWaveFile(const std::string& path) {
    m_wave.reset();
    const auto uri = FileUri(path);
    if (!uri)
        return false;
    m_wave = MakePlayer(*uri, SoundChannel::Wave);
    if (!m_wave || !m_wave->Start(GST_STATE_PLAYING)) {
        m_wave.reset();
        return false;
    }
    return true;
}

void GstSoundEngine::StopWave() {
    m_wave.reset();
}

bool GstSoundEngine::OpenMedia(const std::string& path) {
    CloseMedia();
    const auto uri = FileUri(path);
    if (!uri)
        return false;
    // Prepared in the background: a file that turns out unplayable closes itself quietly.
    m_media = MakePlayer(*uri, SoundChannel::Media);
    if (!m_media || !m_media->Start(GST_STATE_PAUSED)) {
        m_media.reset();
        return false;
    }
    m_mediaUri = *uri;
    return true;
}

void GstSoundEngine::PlayMediaFromStart() {
    if (!m_mediaUri)
        return;
    if (m_media && !m_media->Started()) {
        if (!m_media->Start(GST_STATE_PLAYING))
            CloseMedia();
        return;
    }
    // Played before (or stopped): a fresh pipeline starts at the beginning without seeking.
    m_media = MakePlayer(*m_mediaUri, SoundChannel::Media);
    if (!m_media || !m_media->Start(GST_STATE_PLAYING))
        CloseMedia();
}

void GstSoundEngine::StopMedia() {
    m_media.reset();
}

void GstSoundEngine::CloseMedia() {
    m_media.reset();
    m_mediaUri.reset();
}

void GstSoundEngine::SetFailureHandler(FailureHandler handler) {
    m_onFailure = std::move(handler);
}

void GstSoundEngine::SetFinishedHandler(FinishedHandler handler) {
    m_onFinished = std::move(handler);
}

bool GstSoundEngine::IsWaveActive() const {
    return m_wave != nullptr;
}
bool GstSoundEngine::IsMediaOpen() const {
    return m_mediaUri.has_value();
}
bool GstSoundEngine::IsMediaActive() const {
    return m_media != nullptr;
}

void GstSoundEngine::OnPlayerFinished(SoundChannel channel, SoundOutcome outcome) {
    if (channel == SoundChannel::Wave) {
        m_wave.reset();
    } else if (outcome == SoundOutcome::Failed) {
        CloseMedia(); // an unplayable file is no longer open
    } else {
        m_media.reset(); // played to its end: still open, the next play starts it again
    }
    if (m_onFinished)
        m_onFinished(channel, outcome);
    if (outcome == SoundOutcome::Failed && m_onFailure)
        m_onFailure(channel);
}

} // namespace stillmark
