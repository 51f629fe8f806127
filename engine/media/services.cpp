// Life cycle, window, events, time, chance and message boxes of the media services.
#include "engine/media/services.h"

#include <vector>

#include "engine/base/date_text.h"
#include "engine/media/services_state.h"

namespace media {

namespace detail {

ServiceState& state() {
    static ServiceState instance;
    return instance;
}

}  // namespace detail

using detail::state;

void initServices(std::unique_ptr<Platform> newPlatform, std::uint64_t seed) {
    if (servicesRunning()) shutdownServices();
    detail::ServiceState& s = state();
    s.platform = std::move(newPlatform);
    s.compositor = std::make_unique<Compositor>();
    s.pictures.clear();
    s.sprites.clear();
    s.input = InputState{};
    s.random.seed(seed);
    s.window = 0;
    s.screenOpen = false;
    s.textTransparent = true;
}

void shutdownServices() {
    detail::ServiceState& s = state();
    if (!s.platform) return;
    detail::releaseSounds();
    s.platform->closeAudio();
    s.platform->shutdown();
    s.platform.reset();
    s.compositor = std::make_unique<Compositor>();
    s.pictures.clear();
    s.sprites.clear();
    s.window = 0;
    s.screenOpen = false;
}

LiveHandles liveHandleCounts() {
    const detail::ServiceState& s = state();
    return LiveHandles{static_cast<int>(s.pictures.size()), static_cast<int>(s.sprites.size()),
                       static_cast<int>(s.sounds.size())};
}

bool servicesRunning() {
    return state().platform != nullptr;
}

Platform* platform() {
    return state().platform.get();
}
Compositor& compositor() {
    return *state().compositor;
}
InputState& inputState() {
    return state().input;
}

bool init2DSprites() {
    return servicesRunning();
}
bool init3DSprites() {
    return servicesRunning();
}
bool initSound() {
    return servicesRunning() && state().platform->openAudio();
}
bool initKeyboard() {
    return servicesRunning();
}
bool initMouse() {
    return servicesRunning();
}
bool initJoystick() {
    return joystickPresent();
}

// ---- Desktop and window -----------------------------------------------------------------

int desktopCount() {
    return servicesRunning() ? state().platform->desktopCount() : 0;
}

namespace {

DesktopInfo desktopInfo(int n) {
    if (n < 0 || n >= desktopCount()) return DesktopInfo{0, 0, 0, 0};
    return state().platform->desktop(n);
}

}  // namespace

int desktopWidth(int n) {
    return desktopInfo(n).width;
}
int desktopHeight(int n) {
    return desktopInfo(n).height;
}
int desktopDepth(int n) {
    return desktopInfo(n).depth;
}
int desktopRefreshRate(int n) {
    return desktopInfo(n).refreshRate;
}

WindowHandle openWindow(int x, int y, int width, int height, std::string_view title,
                        WindowStyle style) {
    detail::ServiceState& s = state();
    if (!s.platform || s.window != 0 || width <= 0 || height <= 0) return 0;
    WindowRequest request;
    request.x = x;
    request.y = y;
    request.width = width;
    request.height = height;
    request.title = std::string(title);
    request.style = style;
    if (!s.platform->openWindow(request)) return 0;
    s.window = 1;  // the program has one window
    return s.window;
}

void moveWindow(WindowHandle window, int x, int y, int width, int height) {
    detail::ServiceState& s = state();
    if (!s.platform || window == 0 || window != s.window || width <= 0 || height <= 0) return;
    s.platform->moveWindow(x, y, width, height);
}

bool isForegroundWindow(WindowHandle window) {
    detail::ServiceState& s = state();
    if (!s.platform || window == 0 || window != s.window) return false;
    return s.platform->isForeground() && s.input.focused();
}

int pollEvents() {
    detail::ServiceState& s = state();
    if (!s.platform) return kEventNone;
    std::vector<InputEvent> events;
    s.platform->pollEvents(events);
    int code = kEventNone;
    for (const InputEvent& event : events) {
        if (s.inputObserver) s.inputObserver(event);
        s.input.apply(event);
        code = event.type == InputEventType::Quit ? kEventCloseWindow : kEventInput;
    }
    return code;
}

// ---- Time, chance, messages ---------------------------------------------------------------

std::uint32_t milliseconds() {
    return servicesRunning() ? state().platform->milliseconds() : 0;
}

void sleepMilliseconds(std::uint32_t ms) {
    if (servicesRunning()) state().platform->sleep(ms);
}

LocalTime localTime() {
    return servicesRunning() ? state().platform->localTime() : LocalTime{};
}

void seedRandom(std::uint64_t seed) {
    state().random.seed(seed);
}

int randomInt(int n) {
    return state().random.upTo(n);
}

int messageBox(std::string_view caption, std::string_view text,
               const std::vector<std::string>& buttons) {
    detail::ServiceState& s = state();
    if (s.messageObserver) s.messageObserver(caption, text, buttons);
    if (!s.platform) return 0;
    const int choice = s.platform->messageBox(caption, text, buttons);
    const int count = static_cast<int>(buttons.size());
    return choice >= 0 && choice < count ? choice : 0;
}

void setInputObserver(InputObserver observer) {
    state().inputObserver = std::move(observer);
}

void setMessageObserver(MessageObserver observer) {
    state().messageObserver = std::move(observer);
}

void setPresentObserver(PresentObserver observer) {
    state().presentObserver = std::move(observer);
}

}  // namespace media
