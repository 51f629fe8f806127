#include "engine/media/headless/harness.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "engine/base/json_writer.h"
#include "engine/media/pictures.h"
#include "engine/media/services.h"

namespace media {
namespace {

bool writeHostFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::string formatMs(double ms) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", ms);
    return buffer;
}

}  // namespace

Harness& harness() {
    static Harness instance;
    return instance;
}

Harness::~Harness() {
    if (started_ && !ended_) detachObservers();
}

void Harness::detachObservers() {
    setInputObserver(nullptr);
    setMessageObserver(nullptr);
    setPresentObserver(nullptr);
}

bool Harness::start(const HarnessOptions& options, std::string& error) {
    options_ = options;
    screenshotsDone_.assign(options_.screenshots.size(), false);
    dumpsDone_.assign(options_.dumpsAt.size(), false);
    presentedKept_ = false;
    turn_ = 0;
    flips_ = 0;
    ended_ = false;
    // Every file is checked before any observer is connected, so a failed start leaves
    // nothing that points back at this harness.
    if (!options_.messageLogPath.empty()) {
        std::ofstream probe(options_.messageLogPath, std::ios::binary | std::ios::app);
        if (!probe) {
            error = options_.messageLogPath + ": cannot write the message log";
            return false;
        }
    }
    if (!options_.recordPath.empty()) {
        recorder_ = std::make_unique<ReplayRecorder>();
        if (!recorder_->open(options_.recordPath, error)) {
            recorder_.reset();
            return false;
        }
        recorder_->comment("input by main-loop turn; replay with --replay");
        if (joystickPresent()) recorder_->recordJoystickPresent();
        setInputObserver([this](const InputEvent& event) { recorder_->record(turn_, event); });
    }
    if (!options_.messageLogPath.empty()) {
        setMessageObserver([this](std::string_view caption, std::string_view text,
                                  const std::vector<std::string>& buttons) {
            logMessage(caption, text, buttons);
        });
    }
    if (!options_.screenshots.empty()) {
        setPresentObserver([this](const Framebuffer& frame) { keepPresentedFrame(frame); });
    }
    started_ = true;
    turnStart_ = Clock::now();
    turnRunning_ = false;
    return true;
}

bool Harness::beginTurn(int turn) {
    if (ended_) return false;
    finishTurn();
    if (options_.frames && turn > *options_.frames) return false;
    turn_ = turn;
    if (turnListener_) turnListener_(turn);
    if (options_.timing) {
        turnStart_ = Clock::now();
        turnRunning_ = true;
    }
    return true;
}

// The outputs due at the end of the current turn: its dumps, and screenshots of a turn
// that presented no frame (the screen still shows the last one).
void Harness::finishTurn() {
    for (std::size_t i = 0; i < options_.dumpsAt.size(); ++i) {
        if (!dumpsDone_[i] && options_.dumpsAt[i].turn <= turn_) {
            dumpsDone_[i] = true;
            writeDump(turn_, options_.dumpsAt[i].path);
        }
    }
    for (std::size_t i = 0; i < options_.screenshots.size(); ++i) {
        if (!screenshotsDone_[i] && options_.screenshots[i].turn <= turn_) {
            screenshotsDone_[i] = true;
            writeScreenshot(options_.screenshots[i].path,
                            presentedKept_ ? presented_ : compositor().frame());
        }
    }
    if (turnRunning_) {
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - turnStart_;
        turnTimes_.push_back(elapsed.count());
        turnRunning_ = false;
    }
}

void Harness::afterFlip(int turn) {
    if (ended_) return;
    ++flips_;
    for (std::size_t i = 0; i < options_.screenshots.size(); ++i) {
        if (!screenshotsDone_[i] && options_.screenshots[i].turn == turn) {
            screenshotsDone_[i] = true;
            writeScreenshot(options_.screenshots[i].path, compositor().frame());
        }
    }
}

void Harness::endOfProgram() {
    if (ended_ || !started_) return;
    finishTurn();
    for (std::size_t i = 0; i < options_.screenshots.size(); ++i) {
        if (!screenshotsDone_[i]) {
            reportProblem("no screenshot for turn " + std::to_string(options_.screenshots[i].turn) +
                          ": the program ended after turn " + std::to_string(turn_));
        }
    }
    for (std::size_t i = 0; i < options_.dumpsAt.size(); ++i) {
        if (!dumpsDone_[i]) {
            reportProblem("no dump for turn " + std::to_string(options_.dumpsAt[i].turn) +
                          ": the program ended after turn " + std::to_string(turn_));
        }
    }
    if (!options_.dumpPath.empty()) writeDump(turn_, options_.dumpPath);
    if (recorder_) {
        recorder_->comment("the run ended after turn " + std::to_string(turn_));
        if (!recorder_->close()) reportProblem(options_.recordPath + ": writing the record failed");
        recorder_.reset();
    }
    detachObservers();
    if (options_.timing) std::fputs(timingReport().c_str(), stdout);
    std::fflush(stdout);
    ended_ = true;
}

void Harness::reportLiveHandles() {
    if (!options_.checkHandles) return;
    const LiveHandles live = liveHandleCounts();
    std::printf("live handles: pictures %d, sprites %d, sounds %d\n", live.pictures, live.sprites,
                live.sounds);
    std::fflush(stdout);
}

void Harness::phaseStarted(Phase phase) {
    if (!options_.timing) return;
    phaseStart_[static_cast<int>(phase)] = Clock::now();
}

void Harness::phaseEnded(Phase phase) {
    if (!options_.timing) return;
    const int index = static_cast<int>(phase);
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - phaseStart_[index];
    phaseTimes_[index].push_back(elapsed.count());
}

TimingSummary summarizeTimes(std::vector<double> times) {
    TimingSummary summary;
    if (times.empty()) return summary;
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    summary.median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2.0;
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
    summary.p99 = times[std::max<std::size_t>(rank, 1) - 1];
    summary.max = times.back();
    return summary;
}

std::string Harness::timingReport() const {
    std::string text = "frames: " + std::to_string(flips_) + "\n";
    auto line = [&text](const char* name, const std::vector<double>& times) {
        const TimingSummary s = summarizeTimes(times);
        text += std::string(name) + " ms per frame: median " + formatMs(s.median) + ", p99 " +
                formatMs(s.p99) + ", max " + formatMs(s.max) + "\n";
    };
    line("update", phaseTimes_[static_cast<int>(Phase::Update)]);
    line("draw", phaseTimes_[static_cast<int>(Phase::Draw)]);
    line("turn", turnTimes_);
    return text;
}

std::string Harness::minimalDump(int turn) const {
    base::JsonWriter json;
    json.beginObject();
    json.member("turn", turn);
    json.key("engine").beginObject();
    json.member("headless", options_.headless);
    json.endObject();
    json.key("settings").beginObject();
    json.member("desktopWidth", options_.desktopWidth);
    json.member("desktopHeight", options_.desktopHeight);
    json.key("seed");
    if (options_.seed) {
        json.value(*options_.seed);
    } else {
        json.null();
    }
    json.endObject();
    for (const char* table : {"coreErrorTexts", "playerStatus", "objects", "drawList",
                              "collisionList", "weaponList", "mirrorList"}) {
        json.key(table).beginArray().endArray();
    }
    json.endObject();
    return json.text() + "\n";
}

// Copies only while a screenshot is outstanding; the copy reuses its memory.
void Harness::keepPresentedFrame(const Framebuffer& frame) {
    if (std::find(screenshotsDone_.begin(), screenshotsDone_.end(), false) ==
        screenshotsDone_.end()) {
        presented_ = Framebuffer{};
        presentedKept_ = false;
        return;
    }
    presented_.width = frame.width;
    presented_.height = frame.height;
    presented_.pixels.assign(frame.pixels.begin(), frame.pixels.end());
    presentedKept_ = true;
}

void Harness::writeScreenshot(const std::string& path, const Framebuffer& frame) {
    Image image;
    image.width = frame.width;
    image.height = frame.height;
    image.pixels = frame.pixels;
    const std::optional<std::string> png = encodePng(image, false);
    if (!png || !writeHostFile(path, *png)) reportProblem(path + ": cannot write the screenshot");
}

void Harness::writeDump(int turn, const std::string& path) {
    const std::string text = dumpWriter_ ? dumpWriter_(turn) : minimalDump(turn);
    if (!writeHostFile(path, text)) reportProblem(path + ": cannot write the dump");
}

void Harness::logMessage(std::string_view caption, std::string_view text,
                         const std::vector<std::string>& buttons) {
    base::JsonWriter json(false);
    json.beginObject();
    json.member("caption", caption);
    json.member("text", text);
    json.key("buttons").beginArray();
    for (const std::string& button : buttons)
        json.value(button);
    json.endArray();
    json.endObject();
    std::ofstream out(options_.messageLogPath, std::ios::binary | std::ios::app);
    out << json.text() << '\n';
    if (!out) reportProblem(options_.messageLogPath + ": cannot append to the message log");
}

void Harness::reportProblem(const std::string& text) {
    std::fprintf(stderr, "RERIZUVA2: %s\n", text.c_str());
}

}  // namespace media
