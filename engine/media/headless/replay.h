// Replays: input by main-loop turn, one event a line, as --replay reads and --record writes.
//
//     # comment (from '#' to the end of the line)
//     joystick present
//     12 key down 0x1D        12 key up 29
//     13 mouse move -4 2      13 mouse at 320 200
//     14 mouse down 1         14 mouse up 1
//     15 wheel -1
//     16 joy axis x -1        16 joy button 3 down
//     17 focus 0
//
// Events of turn T are delivered at the first event poll of turn T (turn 1 is the first
// main-loop turn; turn 0 is start-up, before the first turn).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/media/input_events.h"

namespace media {

struct ReplayEvent {
    int turn = 0;
    InputEvent event;
    bool operator==(const ReplayEvent&) const = default;
};

struct Replay {
    bool joystickPresent = false;
    std::vector<ReplayEvent> events;  // in turn order; file order within a turn
};

// Parses replay text. On a bad line returns false with error "line N: what is wrong".
bool parseReplay(std::string_view text, Replay& replay, std::string& error);
// Reads and parses a replay file (a host path); errors name the file and line.
bool loadReplay(const std::string& hostPath, Replay& replay, std::string& error);

// One replay line for an event, without the line end; "" for events a replay cannot hold
// (the window system's close request).
std::string formatReplayLine(int turn, const InputEvent& event);

// The events of a replay handed out turn by turn.
class ReplayCursor {
  public:
    ReplayCursor() = default;
    explicit ReplayCursor(Replay replay) : replay_(std::move(replay)) {}
    void setTurn(int turn) { turn_ = turn; }
    bool joystickPresent() const { return replay_.joystickPresent; }
    // Appends the events due up to the current turn that were not handed out yet.
    void take(std::vector<InputEvent>& events);

  private:
    Replay replay_;
    std::size_t next_ = 0;
    int turn_ = 0;
};

// Writes the events a run polls, in the replay format, so that the file replays the run.
class ReplayRecorder {
  public:
    ReplayRecorder() = default;
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;
    ~ReplayRecorder();

    // Creates (truncates) the file; false with an error when it cannot be written.
    bool open(const std::string& hostPath, std::string& error);
    bool isOpen() const { return file_ != nullptr; }
    void recordJoystickPresent();
    void record(int turn, const InputEvent& event);
    // A comment line (for the closing note).
    void comment(std::string_view text);
    // False when any write failed.
    bool close();

  private:
    void writeLine(std::string_view line);
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace media
