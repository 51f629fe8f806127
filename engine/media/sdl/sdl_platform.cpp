#include "engine/media/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <string>

#include "engine/media/files.h"
#include "engine/media/pictures.h"
#include "engine/media/sdl/sdl_audio.h"
#include "engine/media/sdl/sdl_joystick.h"
#include "engine/media/sdl/sdl_scancodes.h"
#include "engine/media/sdl/sdl_text.h"

namespace media {
namespace {

constexpr int kFallbackRefreshRate = 60;

int mouseButton(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;
    }
}

// Drivers that draw into memory have no other windows to lose the focus to.
bool driverWithoutDesktop() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return false;
    const std::string_view name(driver);
    return name == "dummy" || name == "offscreen";
}

}  // namespace

SdlPlatform::SdlPlatform()
    : audio_(std::make_unique<SdlAudio>()), joystick_(std::make_unique<SdlJoystick>()) {}

std::unique_ptr<SdlPlatform> SdlPlatform::create() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return nullptr;
    std::unique_ptr<SdlPlatform> platform(new SdlPlatform());
    platform->running_ = true;
    platform->alwaysForeground_ = driverWithoutDesktop();
    // No joystick support is no error: the game is played with the keyboard then.
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) == 0) {
        platform->joystick_->openFirst();
        platform->joystickAtStart_ = platform->joystick_->isOpen();
    }
    return platform;
}

std::unique_ptr<Platform> makeSdlPlatform() {
    return SdlPlatform::create();
}

SdlPlatform::~SdlPlatform() {
    shutdown();
}

// Screen and window.

int SdlPlatform::desktopCount() {
    if (!running_) return 0;
    return std::max(0, SDL_GetNumVideoDisplays());
}

DesktopInfo SdlPlatform::desktop(int index) {
    DesktopInfo info;
    SDL_DisplayMode mode{};
    if (!running_ || SDL_GetDesktopDisplayMode(index, &mode) != 0) return info;
    info.width = mode.w;
    info.height = mode.h;
    // Bytes per pixel, so that a 32-bit desktop without alpha reports 32, not 24.
    if (SDL_BYTESPERPIXEL(mode.format) > 0) info.depth = SDL_BYTESPERPIXEL(mode.format) * 8;
    if (mode.refresh_rate > 0) info.refreshRate = mode.refresh_rate;
    return info;
}

bool SdlPlatform::openWindow(const WindowRequest& request) {
    if (!running_ || request.width <= 0 || request.height <= 0) return false;
    closeWindow();
    const bool borderless = request.style == WindowStyle::Borderless;
    const int x = borderless ? static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(0)) : request.x;
    const int y = borderless ? static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(0)) : request.y;
    // The player may resize the window; the frame is stretched to whatever size it has.
    const Uint32 flags = SDL_WINDOW_RESIZABLE | (borderless ? SDL_WINDOW_BORDERLESS : 0);
    const std::string title = displayText(request.title);
    window_ = SDL_CreateWindow(title.c_str(), x, y, request.width, request.height, flags);
    if (window_ == nullptr) return false;
    requestedWidth_ = request.width;
    requestedHeight_ = request.height;
    fullscreen_ = false;

    if (!createRenderer(false)) {
        closeWindow();
        return false;
    }
    // The keyboard is read as keys, never as text: no input method windows.
    SDL_StopTextInput();
    return true;
}

// Makes the window's renderer (an accelerated one with vsync when there is one) and sets the
// frame spacing it needs.
bool SdlPlatform::createRenderer(bool softwareOnly) {
    renderer_ = nullptr;
    if (!softwareOnly) {
        renderer_ =
            SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    }
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) return false;
    // The software renderer reports vsync but shows frames as fast as they come.
    SDL_RendererInfo info{};
    softwareRenderer_ =
        SDL_GetRendererInfo(renderer_, &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    waitsForDisplay_ = !softwareRenderer_ && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    const int refresh = desktop(display).refreshRate;
    refreshPeriod_ = SDL_GetPerformanceFrequency() /
                     static_cast<std::uint64_t>(refresh > 0 ? refresh : kFallbackRefreshRate);
    pacer_.reset(refreshPeriod_, waitsForDisplay_);
    return true;
}

// An accelerated renderer refuses textures beyond its size limit (a large screen on an
// older card) or when video memory runs out; the software renderer has neither limit. When
// even that cannot be made, any renderer is made again, to be tried on the next frame.
bool SdlPlatform::useSoftwareRenderer() {
    if (window_ == nullptr || (renderer_ != nullptr && softwareRenderer_)) return false;
    const std::string reason = SDL_GetError();
    dropTexture();
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (createRenderer(true)) {
        std::fprintf(stderr, "Frames are shown through the software renderer (%s).\n",
                     reason.c_str());
        return true;
    }
    createRenderer(false);
    return false;
}

void SdlPlatform::dropTexture() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    textureWidth_ = textureHeight_ = 0;
}

void SdlPlatform::closeWindow() {
    dropTexture();
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    renderer_ = nullptr;
    window_ = nullptr;
    softwareRenderer_ = false;
    framesLost_ = false;
}

void SdlPlatform::moveWindow(int x, int y, int width, int height) {
    if (window_ == nullptr) return;
    // Events made before the move are read now, against the window position they were made
    // for (pointer motion is measured on the desktop); the next poll hands them on.
    readEvents(pendingEvents_);
    // A fullscreen window stays where it is; the drag moves it again once it is a window.
    if (fullscreen_) return;
    SDL_SetWindowPosition(window_, x, y);
    // The engine names the same size with every move: a size the player chose by resizing
    // the window is kept until the engine asks for another one.
    if (width > 0 && height > 0 && (width != requestedWidth_ || height != requestedHeight_)) {
        requestedWidth_ = width;
        requestedHeight_ = height;
        SDL_SetWindowSize(window_, width, height);
    }
}

// Alt+Enter: desktop fullscreen (the frame stretched to the whole desktop) and back.
void SdlPlatform::toggleFullscreen() {
    if (window_ == nullptr) return;
    const bool wanted = !fullscreen_;
    if (SDL_SetWindowFullscreen(window_, wanted ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        std::fprintf(stderr, "RERIZUVA2: cannot switch fullscreen %s (%s)\n", wanted ? "on" : "off",
                     SDL_GetError());
        return;
    }
    fullscreen_ = wanted;
}

// F12: the frame being presented, as shown before stretching, into the working directory.
void SdlPlatform::saveScreenshot(const Framebuffer& frame) {
    screenshotWanted_ = false;
    const std::string stem = workingDirectory() + "/" + screenshotFileName(localTime());
    std::string path = stem;
    // Two shots in one second: the second gets a number instead of replacing the first.
    for (int n = 2; fileExists(path) && n < 100; ++n) {
        path = stem.substr(0, stem.size() - 4) + "-" + std::to_string(n) + ".png";
    }
    Image image;
    image.width = frame.width;
    image.height = frame.height;
    image.pixels = frame.pixels;
    if (writePng(path, image, false)) {
        std::fprintf(stderr, "RERIZUVA2: screenshot %s\n", path.c_str());
    } else {
        std::fprintf(stderr, "RERIZUVA2: cannot write the screenshot %s\n", path.c_str());
    }
}

bool SdlPlatform::isForeground() {
    if (window_ == nullptr) return false;
    return alwaysForeground_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

bool SdlPlatform::ensureTexture(int width, int height) {
    if (texture_ != nullptr && textureWidth_ == width && textureHeight_ == height) return true;
    dropTexture();
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
    if (texture_ == nullptr) return false;
    // The frame's alpha byte is for blending inside the compositor, not for the window.
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    textureWidth_ = width;
    textureHeight_ = height;
    return true;
}

// Uploads the frame and draws it stretched to the client area; false when the renderer
// cannot take it. A texture that failed is made anew the next time.
bool SdlPlatform::drawFrame(const Framebuffer& frame) {
    if (!ensureTexture(frame.width, frame.height)) return false;
    if (SDL_UpdateTexture(texture_, nullptr, frame.pixels.data(),
                          frame.width * static_cast<int>(sizeof(frame.pixels[0]))) != 0 ||
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr) != 0) {
        dropTexture();
        return false;
    }
    return true;
}

// A frame that cannot be shown is lost, but the game goes on at its usual speed: the window
// keeps the last frame shown, the failure is reported once, and every later frame tries
// again.
void SdlPlatform::frameLost() {
    if (framesLost_) return;
    framesLost_ = true;
    std::fprintf(stderr, "Frames cannot be shown (%s); the game goes on and tries again.\n",
                 SDL_GetError());
    // Nothing waits for the display while no frame is presented.
    pacer_.reset(refreshPeriod_, false);
}

void SdlPlatform::frameShown() {
    if (!framesLost_) return;
    framesLost_ = false;
    std::fprintf(stderr, "Frames are shown again.\n");
    pacer_.reset(refreshPeriod_, waitsForDisplay_);
}

void SdlPlatform::waitForPacer() {
    const std::uint64_t now = SDL_GetPerformanceCounter();
    const std::uint64_t wait = pacer_.waitBefore(now);
    if (wait == 0) return;
    // Sleep the whole milliseconds, then wait out the rest of the refresh exactly.
    const std::uint64_t due = now + wait;
    const std::uint64_t wholeMs = wait * 1000 / SDL_GetPerformanceFrequency();
    if (wholeMs > 0) SDL_Delay(static_cast<Uint32>(wholeMs));
    while (SDL_GetPerformanceCounter() < due) {
    }
}

void SdlPlatform::present(const Framebuffer& frame) {
    if (window_ == nullptr || frame.width <= 0 || frame.height <= 0) return;
    const auto pixelCount =
        static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    if (frame.pixels.size() < pixelCount || frame.width > INT_MAX / 4) return;
    if (screenshotWanted_) saveScreenshot(frame);
    bool drawn = renderer_ != nullptr && drawFrame(frame);
    if (!drawn && useSoftwareRenderer()) drawn = drawFrame(frame);
    if (drawn) {
        frameShown();
    } else {
        frameLost();
    }
    waitForPacer();
    if (drawn) SDL_RenderPresent(renderer_);
    pacer_.presented(SDL_GetPerformanceCounter());
}

void SdlPlatform::mouseToScreen(int windowX, int windowY, int& x, int& y) const {
    x = windowX;
    y = windowY;
    int windowWidth = 0;
    int windowHeight = 0;
    if (window_ != nullptr) SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    if (textureWidth_ > 0 && windowWidth > 0) {
        x = static_cast<int>(static_cast<std::int64_t>(windowX) * textureWidth_ / windowWidth);
    }
    if (textureHeight_ > 0 && windowHeight > 0) {
        y = static_cast<int>(static_cast<std::int64_t>(windowY) * textureHeight_ / windowHeight);
    }
}

void SdlPlatform::pollEvents(std::vector<InputEvent>& events) {
    if (!running_) return;
    events.insert(events.end(), pendingEvents_.begin(), pendingEvents_.end());
    pendingEvents_.clear();
    readEvents(events);
}

void SdlPlatform::readEvents(std::vector<InputEvent>& events) {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
            case SDL_QUIT:
                events.push_back({InputEventType::Quit, 0, 0, 0});
                break;
            case SDL_RENDER_DEVICE_RESET:
                // The renderer lost its textures: the next frame makes its texture anew.
                dropTexture();
                break;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                    events.push_back({InputEventType::Focus, 0, 1, 0});
                } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    events.push_back({InputEventType::Focus, 0, 0, 0});
                }
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                // Alt+Enter and F12 are the window's: the game never sees them.
                const WindowKeyAction action = windowKeys_.classify(event.key);
                if (action == WindowKeyAction::ToggleFullscreen) toggleFullscreen();
                if (action == WindowKeyAction::Screenshot) screenshotWanted_ = true;
                if (action != WindowKeyAction::None) break;
                // Key repeat is the window system's; the engine sees held keys and edges.
                if (event.key.repeat != 0) break;
                const int code = dikFromSdlScancode(event.key.keysym.scancode);
                if (code == 0) break;
                events.push_back(
                    {event.type == SDL_KEYDOWN ? InputEventType::KeyDown : InputEventType::KeyUp,
                     code, 0, 0});
                break;
            }
            case SDL_MOUSEMOTION: {
                pointerMotion(event.motion.x, event.motion.y, events);
                int x = 0;
                int y = 0;
                mouseToScreen(event.motion.x, event.motion.y, x, y);
                events.push_back({InputEventType::MouseAt, 0, x, y});
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                const int button = mouseButton(event.button.button);
                if (button == 0) break;
                events.push_back({event.type == SDL_MOUSEBUTTONDOWN ? InputEventType::MouseDown
                                                                    : InputEventType::MouseUp,
                                  button, 0, 0});
                break;
            }
            case SDL_MOUSEWHEEL: {
                int steps = event.wheel.y;
                if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
                if (steps != 0) events.push_back({InputEventType::Wheel, 0, steps, 0});
                break;
            }
            default:
                joystick_->handle(event, events);
                break;
        }
    }
}

// Relative motion from the pointer's desktop position: the event's window position plus
// where the window stands. SDL's own relative motion is the difference of window-relative
// positions, so while the window drag moves the window under the pointer part of the hand's
// motion would cancel out and the window would lag ever further behind. (SDL's global mouse
// state is no help on X11: it is cached and refreshed only by some events.) A motion event
// made just before a move and read after it would be off by that move, so a move first reads
// the events waiting (moveWindow).
void SdlPlatform::pointerMotion(int windowX, int windowY, std::vector<InputEvent>& events) {
    int left = 0;
    int top = 0;
    if (window_ != nullptr) SDL_GetWindowPosition(window_, &left, &top);
    const int x = left + windowX;
    const int y = top + windowY;
    if (pointerKnown_ && (x != pointerX_ || y != pointerY_)) {
        events.push_back({InputEventType::MouseMove, 0, x - pointerX_, y - pointerY_});
    }
    pointerKnown_ = true;
    pointerX_ = x;
    pointerY_ = y;
}

// Time.

std::uint32_t SdlPlatform::milliseconds() {
    return SDL_GetTicks();
}

void SdlPlatform::sleep(std::uint32_t ms) {
    SDL_Delay(ms);
}

LocalTime SdlPlatform::localTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    LocalTime local;
    if (localtime_r(&now, &parts) == nullptr) return local;
    local.year = parts.tm_year + 1900;
    local.month = parts.tm_mon + 1;
    local.day = parts.tm_mday;
    local.hour = parts.tm_hour;
    local.minute = parts.tm_min;
    local.second = parts.tm_sec;
    return local;
}

// Message boxes.

int SdlPlatform::messageBox(std::string_view caption, std::string_view text,
                            const std::vector<std::string>& buttons) {
    std::vector<std::string> labels;
    for (const std::string& button : buttons)
        labels.push_back(displayText(button));
    if (labels.empty()) labels.emplace_back("OK");
    const std::string captionText = displayText(caption);
    const std::string bodyText = displayText(text);
    std::vector<SDL_MessageBoxButtonData> data;
    data.reserve(labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        Uint32 flags = 0;
        if (i == 0) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (i + 1 == labels.size()) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        data.push_back({flags, static_cast<int>(i), labels[i].c_str()});
    }
    const SDL_MessageBoxData box{
        SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
        window_,
        captionText.c_str(),
        bodyText.c_str(),
        static_cast<int>(data.size()),
        data.data(),
        nullptr,
    };
    int chosen = -1;
    if (SDL_ShowMessageBox(&box, &chosen) == 0) {
        // Closing the box counts as the escape button, the last one.
        return chosen >= 0 && chosen < static_cast<int>(labels.size())
                   ? chosen
                   : static_cast<int>(labels.size()) - 1;
    }
    // No window system to show it: the text still reaches the user.
    std::fprintf(stderr, "%s: %s\n", captionText.c_str(), bodyText.c_str());
    return 0;
}

// Audio.

bool SdlPlatform::openAudio() {
    return running_ && audio_->open();
}
void SdlPlatform::closeAudio() {
    audio_->close();
}
VoiceId SdlPlatform::createVoice(const PcmSound& sound) {
    return audio_->create(sound);
}
void SdlPlatform::destroyVoice(VoiceId voice) {
    audio_->destroy(voice);
}
void SdlPlatform::playVoice(VoiceId voice, bool looping) {
    audio_->play(voice, looping);
}
void SdlPlatform::stopVoice(VoiceId voice) {
    audio_->stop(voice);
}
void SdlPlatform::setVoiceVolume(VoiceId voice, int volume) {
    audio_->setVolume(voice, volume);
}

void SdlPlatform::shutdown() {
    if (!running_) return;
    audio_->close();
    joystick_->close();
    closeWindow();
    SDL_Quit();
    running_ = false;
}

}  // namespace media
