// Plays a harness script against the builder: each command becomes one window event (or
// an answer queued for the next dialog, a screenshot, a dump).
#pragma once

#include <string>
#include <vector>

#include "builder/builder_state.h"
#include "builder/script.h"
#include "builder/window_events.h"

namespace builder {

class ScriptRunner {
  public:
    enum class Step { Continue, Quit, Finished };

    ScriptRunner(Builder& builder, ScriptedAnswers& answers, std::vector<ScriptCommand> commands);

    // Runs the next command. Quit: the builder's loop ended (the quit question, or the
    // script's "quit"); Finished: no command was left. A BuilderEnd passes through.
    Step runNext();

    // What went wrong with the last screenshot or dump ("" when nothing did).
    const std::string& problem() const { return problem_; }

  private:
    WindowEvent pointerEvent(WindowId window, EventKind kind) const;
    bool deliver(const WindowEvent& event);
    bool run(const ScriptCommand& command);

    Builder& builder_;
    ScriptedAnswers& answers_;
    std::vector<ScriptCommand> commands_;
    std::size_t next_ = 0;
    int pointerX_ = 0;  // on the desktop
    int pointerY_ = 0;
    std::string problem_;
};

// The origin of a window on the desktop, as the builder places it.
struct WindowOrigin {
    int x = 0;
    int y = 0;
};
WindowOrigin windowOrigin(const BuilderState& state, WindowId window);

}  // namespace builder
