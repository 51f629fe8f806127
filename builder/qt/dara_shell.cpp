#include "builder/qt/dara_shell.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "builder/fatal_report.h"
#include "builder/recovery.h"
#include "builder/startup.h"
#include "builder/state_dump.h"
#include "engine/media/files.h"

namespace builder::qt {

DaraShell::DaraShell(const DaraOptions& options, std::vector<ScriptCommand> commands)
    : options_(options),
      host_(options, answers_, [this](const WindowEvent& e) { deliver(e); }),
      builder_(host_),
      runner_(builder_, answers_, std::move(commands)) {
    host_.attachScreen(builder_.screen);
}

bool DaraShell::start() {
    try {
        try {
            startBuilder(builder_, media::workingDirectory());
            const std::string note = recoverNewestWork(builder_, options_.recover);
            if (!note.empty()) std::fprintf(stderr, "DARA: %s\n", note.c_str());
        } catch (const BuilderFault& fault) {
            // Start-up is not inside an event turn; its faults get the same report.
            fatalError(builder_, builderUnitName(fault.unit), fault.line, fault.what);
        }
    } catch (const BuilderEnd& builderEnd) {
        end(builderEnd.exitCode);
        return false;
    }
    accepting_ = true;
    return true;
}

int DaraShell::run() {
    int exitCode = 0;
    if (start()) {
        try {
            exitCode = options_.headless ? runHeadless() : runWindowed();
        } catch (const BuilderEnd& builderEnd) {
            exitCode = builderEnd.exitCode;
        }
    } else {
        exitCode = endCode_;
    }
    finish();
    return exitCode;
}

// Headless: the script is the only source of events; its end ends the builder.
int DaraShell::runHeadless() {
    accepting_ = false;
    for (;;) {
        const ScriptRunner::Step step = runner_.runNext();
        reportProblem();
        QCoreApplication::processEvents();
        if (step != ScriptRunner::Step::Continue) return 0;
    }
}

int DaraShell::runWindowed() {
    QTimer::singleShot(0, [this] { runScriptStep(); });
    const int exitCode = QApplication::exec();
    accepting_ = false;
    return ended_ ? endCode_ : exitCode;
}

// One script command per turn of Qt's loop, so the windows stay live in between.
void DaraShell::runScriptStep() {
    if (ended_) return;
    if (busy_) {
        QTimer::singleShot(10, [this] { runScriptStep(); });
        return;
    }
    busy_ = true;
    std::optional<ScriptRunner::Step> step;
    try {
        step = runner_.runNext();
    } catch (const BuilderEnd& builderEnd) {
        end(builderEnd.exitCode);
    }
    busy_ = false;
    reportProblem();
    if (step == ScriptRunner::Step::Quit) end(0);
    if (step == ScriptRunner::Step::Continue) QTimer::singleShot(0, [this] { runScriptStep(); });
}

void DaraShell::deliver(const WindowEvent& event) {
    // A dialog opened inside a turn takes the focus while the turn waits for it; the turn's
    // own keyboard examination then sees the keys go up.
    if (busy_ && event.kind == EventKind::FocusLost) builder_.keyboard.releaseAll();
    if (!accepting_ || ended_ || busy_) return;
    busy_ = true;
    try {
        if (!processWindowEvent(builder_, event)) end(0);
    } catch (const BuilderEnd& builderEnd) {
        end(builderEnd.exitCode);
    }
    busy_ = false;
}

void DaraShell::end(int exitCode) {
    if (ended_) return;
    ended_ = true;
    endCode_ = exitCode;
    QApplication::exit(exitCode);
}

void DaraShell::reportProblem() {
    if (!runner_.problem().empty()) std::fprintf(stderr, "DARA: %s\n", runner_.problem().c_str());
}

void DaraShell::finish() {
    accepting_ = false;
    if (!options_.dump.empty() && !writeBuilderDump(builder_, options_.dump)) {
        std::fprintf(stderr, "DARA: cannot write the dump %s\n", options_.dump.c_str());
    }
    endBuilder(builder_);
}

}  // namespace builder::qt
