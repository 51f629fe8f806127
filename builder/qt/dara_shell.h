// The builder's event loop in Qt: the windows feed it, and the script's commands run one per
// turn of Qt's loop (windowed) or one after another (headless). Tests drive the windows of
// a started shell directly.
#pragma once

#include <vector>

#include "builder/qt/dara_options.h"
#include "builder/qt/qt_host.h"
#include "builder/script.h"
#include "builder/script_runner.h"

namespace builder::qt {

class DaraShell {
  public:
    DaraShell(const DaraOptions& options, std::vector<ScriptCommand> commands);

    // Starts the builder, runs its loop, writes the dump and closes the windows.
    int run();

    // For tests: start-up only (false when it ended the builder), then the windows take
    // events until the builder ends; finish() writes the dump and closes them.
    bool start();
    void finish();
    bool ended() const { return ended_; }
    int endCode() const { return endCode_; }

    Builder& builder() { return builder_; }
    QtBuilderHost& host() { return host_; }

  private:
    int runHeadless();
    int runWindowed();
    void runScriptStep();
    void deliver(const WindowEvent& event);
    void end(int exitCode);
    void reportProblem();

    const DaraOptions& options_;
    ScriptedAnswers answers_;
    QtBuilderHost host_;
    Builder builder_;
    ScriptRunner runner_;
    bool accepting_ = false;
    bool busy_ = false;
    bool ended_ = false;
    int endCode_ = 0;
};

}  // namespace builder::qt
