// Sound output through SDL2_mixer: each voice is one decoded sound converted to the
// mixer's format, played on a free mixer channel. Without an audio device every voice is
// silent but valid, so the program runs the same, only without sound.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/media/platform.h"

struct Mix_Chunk;

namespace media {

class SdlAudio {
  public:
    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the audio device (44.1 kHz, 16-bit stereo, 64 mixer channels); false when
    // there is none.
    bool open();
    // Closes the device; voices made before stay valid and silent.
    void close();
    bool isOpen() const { return open_; }

    VoiceId create(const PcmSound& sound);  // 0 for a sound without channels or rate
    void destroy(VoiceId voice);
    // Starts the voice from the beginning (again, when it is already playing).
    void play(VoiceId voice, bool looping);
    void stop(VoiceId voice);
    void setVolume(VoiceId voice, int volume);  // 0..100

  private:
    struct Voice {
        Mix_Chunk* chunk = nullptr;       // nullptr: silent
        std::vector<std::uint8_t> bytes;  // the samples in the mixer's format
        int channel = -1;                 // the mixer channel it last played on
        int volume = 100;
    };
    Voice* find(VoiceId voice);
    bool convert(const PcmSound& sound, std::vector<std::uint8_t>& bytes) const;
    void release(Voice& voice);

    std::unordered_map<VoiceId, Voice> voices_;
    VoiceId nextId_ = 1;
    bool open_ = false;
    int deviceRate_ = 0;
    int deviceChannels_ = 0;
    std::uint16_t deviceFormat_ = 0;
};

}  // namespace media
