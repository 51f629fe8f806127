// Sounds of the media services: every file is decoded (so a missing or damaged sound is
// found the same way in a window and headless) and handed to the platform as a voice.
#include <algorithm>
#include <optional>

#include "engine/media/services.h"
#include "engine/media/services_state.h"
#include "engine/media/sound_decode.h"

namespace media {

using detail::state;

namespace {

// Decodes the file and makes its voice; nullopt when the file is missing or undecodable.
std::optional<detail::LoadedSound> decodeSound(std::string_view configuredPath) {
    if (!servicesRunning()) return std::nullopt;
    std::optional<PcmSound> pcm = decodeOggVorbis(configuredPath);
    if (!pcm) return std::nullopt;
    // Without an audio device the voice is 0: the sound exists and plays silently.
    detail::LoadedSound sound;
    sound.voice = state().platform->createVoice(*pcm);
    const std::uint64_t frames =
        pcm->channels > 0 ? pcm->samples.size() / static_cast<std::size_t>(pcm->channels) : 0;
    if (pcm->sampleRate > 0) {
        sound.lengthMs = static_cast<std::uint32_t>(frames * 1000u /
                                                    static_cast<std::uint64_t>(pcm->sampleRate));
    }
    return sound;
}

detail::LoadedSound* findSound(SoundHandle sound) {
    auto found = state().sounds.find(sound);
    return found == state().sounds.end() ? nullptr : &found->second;
}

void destroy(const detail::LoadedSound& sound) {
    if (sound.voice != 0 && servicesRunning()) state().platform->destroyVoice(sound.voice);
}

}  // namespace

namespace detail {

void releaseSounds() {
    for (const auto& [handle, sound] : state().sounds)
        destroy(sound);
    state().sounds.clear();
    state().nextSoundHandle = kNumberedSounds;
}

}  // namespace detail

bool loadSoundAs(int number, std::string_view configuredPath) {
    if (number < 1 || number >= kNumberedSounds) return false;
    freeSound(static_cast<SoundHandle>(number));
    std::optional<detail::LoadedSound> sound = decodeSound(configuredPath);
    if (!sound) return false;
    state().sounds[static_cast<SoundHandle>(number)] = *sound;
    return true;
}

SoundHandle loadSound(std::string_view configuredPath) {
    std::optional<detail::LoadedSound> sound = decodeSound(configuredPath);
    if (!sound) return 0;
    detail::ServiceState& s = state();
    SoundHandle handle = s.nextSoundHandle;
    // Handles count up from the numbered range; after a wrap, skip any still in use.
    while (handle < kNumberedSounds || s.sounds.count(handle) != 0) {
        handle = handle < kNumberedSounds ? static_cast<SoundHandle>(kNumberedSounds) : handle + 1;
    }
    s.nextSoundHandle = handle + 1;
    s.sounds[handle] = *sound;
    return handle;
}

bool soundExists(SoundHandle sound) {
    return findSound(sound) != nullptr;
}

void playSound(SoundHandle sound, bool looping) {
    detail::LoadedSound* loaded = findSound(sound);
    if (loaded == nullptr) return;
    loaded->playing = true;
    loaded->looping = looping;
    loaded->startMs = milliseconds();
    if (loaded->voice != 0) state().platform->playVoice(loaded->voice, looping);
}

void stopSound(SoundHandle sound) {
    detail::LoadedSound* loaded = findSound(sound);
    if (loaded == nullptr) return;
    loaded->playing = false;
    if (loaded->voice != 0) state().platform->stopVoice(loaded->voice);
}

bool soundPlaying(SoundHandle sound) {
    const detail::LoadedSound* loaded = findSound(sound);
    if (loaded == nullptr || !loaded->playing) return false;
    return loaded->looping || milliseconds() - loaded->startMs < loaded->lengthMs;
}

void setSoundVolume(SoundHandle sound, int volume) {
    const detail::LoadedSound* loaded = findSound(sound);
    if (loaded != nullptr && loaded->voice != 0) {
        state().platform->setVoiceVolume(loaded->voice, std::clamp(volume, 0, 100));
    }
}

void freeSound(SoundHandle sound) {
    auto found = state().sounds.find(sound);
    if (found == state().sounds.end()) return;
    destroy(found->second);
    state().sounds.erase(found);
}

}  // namespace media
