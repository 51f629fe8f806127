// The run harness: turns the harness options into actions at fixed points of the main loop.
//
//     harness().beginTurn(turn)   before the first event poll of each main-loop turn (turn 1
//                                 is the first); false means the run is over (--frames) and
//                                 the caller goes to the normal program end
//     harness().afterFlip(turn)   right after the turn's flip
//     harness().endOfProgram()    at the program end, by any route (idempotent)
//
// and, for --timing, PhaseTimer around the world update and the draw. The harness writes
// screenshots, state dumps, the message log and the recording; the engine provides the
// dump's content through setDumpWriter.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/media/compositor.h"
#include "engine/media/headless/replay.h"

namespace media {

// What a test or automation run asks of the harness (the game's command line fills it).
// Without any of it the program runs as a player starts it.
struct TurnFile {
    int turn = 0;
    std::string path;  // a host path
    bool operator==(const TurnFile&) const = default;
};

// What an injected fault throws: the guard's own fault or what a library may throw.
enum class InjectedThrow : std::uint8_t {
    EngineFault,  // "fault"
    BadAlloc,     // "bad_alloc"
    LengthError,  // "length_error"
    OutOfRange,   // "out_of_range"
    Exception,    // "exception": a plain std::exception
    Other,        // "other": an int, no std::exception at all
};

// A test aid: raise count faults in the world update of main-loop turn `turn`.
struct FaultInjection {
    int turn = 0;
    int count = 0;
    InjectedThrow what = InjectedThrow::EngineFault;
    bool operator==(const FaultInjection&) const = default;
};

struct HarnessOptions {
    bool headless = false;
    int desktopWidth = 1920;  // desktop 0 in headless mode
    int desktopHeight = 1080;
    std::optional<int> frames;  // end after this main-loop turn
    std::optional<std::uint64_t> seed;
    std::string replayPath;
    std::string recordPath;
    std::vector<TurnFile> screenshots;
    std::vector<TurnFile> dumpsAt;
    std::string dumpPath;
    std::string messageLogPath;
    bool timing = false;
    std::optional<FaultInjection> injectFault;  // headless runs only
    // Random input of every key the game uses, drawn from this seed (headless, with --frames).
    std::optional<std::uint64_t> randomInput;
    // At the program end, after the game freed its media: the live handles on stdout.
    bool checkHandles = false;
};

class Harness {
  public:
    using DumpWriter = std::function<std::string(int turn)>;
    using TurnListener = std::function<void(int turn)>;
    enum class Phase : std::uint8_t { Update, Draw };

    Harness() = default;
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;
    ~Harness();

    // Takes the options and opens what they name (the record file); connects the recorder and
    // the message log to the media services, which must be running. False with an error when
    // a file cannot be opened.
    bool start(const HarnessOptions& options, std::string& error);
    const HarnessOptions& options() const { return options_; }

    // The JSON state dump of a turn; without one the harness writes a minimal dump.
    void setDumpWriter(DumpWriter writer) { dumpWriter_ = std::move(writer); }
    // Told the number of every turn that begins (the replay follows it).
    void setTurnListener(TurnListener listener) { turnListener_ = std::move(listener); }

    bool beginTurn(int turn);
    void afterFlip(int turn);
    void endOfProgram();
    // With --check-handles: the pictures, sprites and sounds still loaded, on stdout as
    // "live handles: pictures P, sprites S, sounds N". The program end calls it after the
    // game freed its media.
    void reportLiveHandles();

    int turn() const { return turn_; }
    bool ended() const { return ended_; }

    void phaseStarted(Phase phase);
    void phaseEnded(Phase phase);
    // Measures the world update or the draw of the current turn for --timing.
    class PhaseTimer {
      public:
        PhaseTimer(Harness& harness, Phase phase) : harness_(harness), phase_(phase) {
            harness_.phaseStarted(phase_);
        }
        ~PhaseTimer() { harness_.phaseEnded(phase_); }
        PhaseTimer(const PhaseTimer&) = delete;
        PhaseTimer& operator=(const PhaseTimer&) = delete;

      private:
        Harness& harness_;
        Phase phase_;
    };

    // The --timing text; also for tests.
    std::string timingReport() const;
    // The dump written without a dump writer: the turn, the run's options, empty tables.
    std::string minimalDump(int turn) const;

  private:
    using Clock = std::chrono::steady_clock;

    void finishTurn();
    void keepPresentedFrame(const Framebuffer& frame);
    void detachObservers();
    void writeScreenshot(const std::string& path, const Framebuffer& frame);
    void writeDump(int turn, const std::string& path);
    void logMessage(std::string_view caption, std::string_view text,
                    const std::vector<std::string>& buttons);
    void reportProblem(const std::string& text);

    HarnessOptions options_;
    DumpWriter dumpWriter_;
    TurnListener turnListener_;
    std::unique_ptr<ReplayRecorder> recorder_;
    std::vector<bool> screenshotsDone_;
    std::vector<bool> dumpsDone_;
    // The frame last presented, kept while a screenshot may still show it at a turn's end
    // (the compositor may already hold drawing that was never presented).
    Framebuffer presented_;
    bool presentedKept_ = false;
    int turn_ = 0;
    int flips_ = 0;
    bool started_ = false;
    bool ended_ = false;

    // --timing: durations in milliseconds, per turn.
    Clock::time_point turnStart_{};
    bool turnRunning_ = false;
    Clock::time_point phaseStart_[2]{};
    std::vector<double> phaseTimes_[2];
    std::vector<double> turnTimes_;
};

// The program's one harness.
Harness& harness();

// Median, 99th percentile (nearest rank) and maximum of a series; zeros when it is empty.
struct TimingSummary {
    double median = 0.0;
    double p99 = 0.0;
    double max = 0.0;
};
TimingSummary summarizeTimes(std::vector<double> times);

}  // namespace media
