// The one instance behind the media services (services.h). Internal to the services_*.cpp
// files; everything else goes through the free functions.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>

#include "engine/base/random.h"
#include "engine/media/compositor.h"
#include "engine/media/input_events.h"
#include "engine/media/platform.h"
#include "engine/media/services.h"

namespace media::detail {

struct LoadedSound {
    VoiceId voice = 0;  // 0 when the platform has no audio output: the sound exists, silent
    std::uint32_t lengthMs = 0;  // playing time of the decoded samples
    // Whether it plays, kept whatever the output: a silent run plays its sounds too.
    bool playing = false;
    bool looping = false;
    std::uint32_t startMs = 0;
};

struct ServiceState {
    std::unique_ptr<Platform> platform;
    std::unique_ptr<Compositor> compositor = std::make_unique<Compositor>();
    InputState input;
    base::Pcg32 random;
    WindowHandle window = 0;
    bool screenOpen = false;
    bool textTransparent = true;
    std::map<SoundHandle, LoadedSound> sounds;
    // The pictures and sprites handed out and not yet freed, for the live-handle count.
    std::set<PictureHandle> pictures;
    std::set<SpriteHandle> sprites;
    SoundHandle nextSoundHandle = kNumberedSounds;
    InputObserver inputObserver;
    MessageObserver messageObserver;
    PresentObserver presentObserver;
};

ServiceState& state();

// Frees every sound's voice (before the platform goes away).
void releaseSounds();

}  // namespace media::detail
