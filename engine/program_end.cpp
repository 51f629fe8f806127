#include "engine/program_end.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace engine {
namespace {

struct EndHooks {
    MessageBoxHook messageBox;
    ShutdownHook shutdown;
    EndOfProgramHook endOfProgram;
    ExitHook exit;
    bool ending = false;
};

EndHooks& hooks() {
    static EndHooks state;
    return state;
}

}  // namespace

void setMessageBoxHook(MessageBoxHook hook) {
    hooks().messageBox = std::move(hook);
}
void setShutdownHook(ShutdownHook hook) {
    hooks().shutdown = std::move(hook);
}
void setEndOfProgramHook(EndOfProgramHook hook) {
    hooks().endOfProgram = std::move(hook);
}
void setExitHook(ExitHook hook) {
    hooks().exit = std::move(hook);
}

void showMessageBox(std::string_view caption, std::string_view text) {
    if (hooks().messageBox) {
        hooks().messageBox(caption, text);
        return;
    }
    const std::string line = std::string(caption) + " " + std::string(text) + "\n";
    std::fputs(line.c_str(), stderr);
}

void endProgram(int exitStatus) {
    EndHooks& state = hooks();
    if (!state.ending) {
        state.ending = true;
        // The hooks are copied first: a hook may replace them while it runs.
        const EndOfProgramHook endOfProgram = state.endOfProgram;
        const ShutdownHook shutdown = state.shutdown;
        const ExitHook exitHook = state.exit;
        // A test's exit hook may throw to leave; the next end must run its hooks again.
        struct Rearm {
            bool& ending;
            ~Rearm() { ending = false; }
        } rearm{state.ending};
        if (endOfProgram) endOfProgram();
        if (shutdown) shutdown();
        if (exitHook) exitHook(exitStatus);
    }
    std::exit(exitStatus);
}

}  // namespace engine
