#include "engine/media/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace media {
namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSize = 1024;  // samples per mixing pass: about 23 ms of latency
constexpr int kMixerChannels = 64;

int mixerVolume(int volume) {
    return std::clamp(volume, 0, 100) * MIX_MAX_VOLUME / 100;
}

}  // namespace

SdlAudio::~SdlAudio() {
    close();
}

bool SdlAudio::open() {
    if (open_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kChunkSize) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int rate = 0;
    int channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kMixerChannels);
    deviceRate_ = rate;
    deviceChannels_ = channels;
    deviceFormat_ = format;
    open_ = true;
    return true;
}

void SdlAudio::close() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (auto& entry : voices_)
        release(entry.second);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

void SdlAudio::release(Voice& voice) {
    if (voice.chunk != nullptr) Mix_FreeChunk(voice.chunk);  // also halts its channel
    voice.chunk = nullptr;
    voice.channel = -1;
    voice.bytes.clear();
    voice.bytes.shrink_to_fit();
}

bool SdlAudio::convert(const PcmSound& sound, std::vector<std::uint8_t>& bytes) const {
    const std::size_t frames = sound.samples.size() / static_cast<std::size_t>(sound.channels);
    const std::size_t sourceBytes = frames * sound.channels * sizeof(std::int16_t);
    SDL_AudioCVT cvt{};
    const int needed =
        SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, static_cast<Uint8>(sound.channels), sound.sampleRate,
                          deviceFormat_, static_cast<Uint8>(deviceChannels_), deviceRate_);
    if (needed < 0) return false;
    const std::size_t bufferBytes =
        sourceBytes * static_cast<std::size_t>(std::max(1, cvt.len_mult));
    if (bufferBytes > static_cast<std::size_t>(INT_MAX)) return false;
    bytes.resize(bufferBytes);
    std::memcpy(bytes.data(), sound.samples.data(), sourceBytes);
    if (needed == 0) {
        bytes.resize(sourceBytes);
        return true;
    }
    cvt.buf = bytes.data();
    cvt.len = static_cast<int>(sourceBytes);
    if (SDL_ConvertAudio(&cvt) != 0) return false;
    bytes.resize(static_cast<std::size_t>(cvt.len_cvt));
    bytes.shrink_to_fit();
    return true;
}

VoiceId SdlAudio::create(const PcmSound& sound) {
    // SDL converts up to eight channels.
    if (sound.channels < 1 || sound.channels > 8 || sound.sampleRate < 1) return 0;
    Voice voice;
    if (open_ && !sound.samples.empty()) {
        if (!convert(sound, voice.bytes)) return 0;
        if (!voice.bytes.empty()) {
            voice.chunk =
                Mix_QuickLoad_RAW(voice.bytes.data(), static_cast<Uint32>(voice.bytes.size()));
            if (voice.chunk == nullptr) return 0;
        }
    }
    while (nextId_ == 0 || voices_.count(nextId_) != 0)
        ++nextId_;
    const VoiceId id = nextId_++;
    voices_.emplace(id, std::move(voice));
    return id;
}

SdlAudio::Voice* SdlAudio::find(VoiceId voice) {
    auto found = voices_.find(voice);
    return found == voices_.end() ? nullptr : &found->second;
}

void SdlAudio::destroy(VoiceId id) {
    auto found = voices_.find(id);
    if (found == voices_.end()) return;
    release(found->second);
    voices_.erase(found);
}

void SdlAudio::play(VoiceId id, bool looping) {
    Voice* voice = find(id);
    if (voice == nullptr || voice->chunk == nullptr) return;
    // Replaying restarts the sound on its own channel rather than stacking a second copy.
    const int channel =
        (voice->channel >= 0 && Mix_GetChunk(voice->channel) == voice->chunk) ? voice->channel : -1;
    const int used = Mix_PlayChannel(channel, voice->chunk, looping ? -1 : 0);
    if (used >= 0) voice->channel = used;
}

void SdlAudio::stop(VoiceId id) {
    Voice* voice = find(id);
    if (voice == nullptr || voice->chunk == nullptr || voice->channel < 0) return;
    if (Mix_GetChunk(voice->channel) == voice->chunk) Mix_HaltChannel(voice->channel);
}

void SdlAudio::setVolume(VoiceId id, int volume) {
    Voice* voice = find(id);
    if (voice == nullptr) return;
    voice->volume = std::clamp(volume, 0, 100);
    if (voice->chunk != nullptr) Mix_VolumeChunk(voice->chunk, mixerVolume(voice->volume));
}

}  // namespace media
