#include "builder/qt/dara_app.h"

#include <unistd.h>
#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "builder/fatal_report.h"
#include "builder/qt/dara_options.h"
#include "builder/qt/qt_host.h"
#include "builder/script_runner.h"
#include "builder/startup.h"
#include "builder/state_dump.h"
#include "engine/media/files.h"

namespace builder::qt {

namespace {

// The builder whose work a crash signal saves.
Builder* crashingBuilder = nullptr;
// Headless, a message box is only a line in the message log, which is safe enough to
// write on the way out; a real dialog is not, so the message then goes to stderr.
bool crashMessageInLog = false;

// How long the report on the way down may take before the program is ended anyway.
constexpr unsigned kCrashReportSeconds = 10;

// Best effort on the way down: the report and the backup matter more than strict signal
// safety, and SA_RESETHAND lets a second fault end the program at once. A crash inside the
// allocator or the C library can leave a lock held that the report then waits for; the
// alarm (whose default action ends the program) keeps that from hanging the builder.
extern "C" void onCrashSignal(int signalNumber) {
    alarm(kCrashReportSeconds);
    Builder* builder = crashingBuilder;
    crashingBuilder = nullptr;
    if (builder != nullptr) {
        const std::string what = std::string("Signal SIG") + sigabbrev_np(signalNumber);
        const std::string message = writeFatalErrorReport(
            *builder, builderUnitName(BuilderUnit::BUILDEREVENTHANDLER), 0, what);
        if (crashMessageInLog) {
            builder->host.messageBox(kFatalErrorCaption, message);
        } else {
            std::fprintf(stderr, "%s\n%s\n", std::string(kFatalErrorCaption).c_str(),
                         message.c_str());
        }
    }
    _exit(kExitFatalError);
}

void installCrashHandlers(Builder& builder, bool headless) {
    crashingBuilder = &builder;
    crashMessageInLog = headless;
    struct sigaction action {};
    action.sa_handler = onCrashSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        sigaction(signalNumber, &action, nullptr);
    }
}

std::vector<std::string> argumentsOf(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

// Runs the builder's event loop: Qt's, fed by the windows, and the script's commands.
class Shell {
  public:
    Shell(const DaraOptions& options, std::vector<ScriptCommand> commands)
        : options_(options),
          host_(options, answers_, [this](const WindowEvent& e) { deliver(e); }),
          builder_(host_),
          runner_(builder_, answers_, std::move(commands)) {
        host_.attachScreen(builder_.screen);
    }

    int run() {
        installCrashHandlers(builder_, options_.headless);
        int exitCode = 0;
        try {
            try {
                startBuilder(builder_, media::workingDirectory());
            } catch (const BuilderFault& fault) {
                // Start-up is not inside an event turn; its faults get the same report.
                fatalError(builder_, builderUnitName(fault.unit), fault.line, fault.what);
            }
            exitCode = options_.headless ? runHeadless() : runWindowed();
        } catch (const BuilderEnd& end) {
            exitCode = end.exitCode;
        }
        finish();
        return exitCode;
    }

  private:
    // Headless: the script is the only source of events; its end ends the builder.
    int runHeadless() {
        for (;;) {
            const ScriptRunner::Step step = runner_.runNext();
            reportProblem();
            QCoreApplication::processEvents();
            if (step != ScriptRunner::Step::Continue) return 0;
        }
    }

    int runWindowed() {
        accepting_ = true;
        QTimer::singleShot(0, [this] { runScriptStep(); });
        const int exitCode = QApplication::exec();
        accepting_ = false;
        return ended_ ? endCode_ : exitCode;
    }

    // One script command per turn of Qt's loop, so the windows stay live in between.
    void runScriptStep() {
        if (ended_) return;
        if (busy_) {
            QTimer::singleShot(10, [this] { runScriptStep(); });
            return;
        }
        busy_ = true;
        std::optional<ScriptRunner::Step> step;
        try {
            step = runner_.runNext();
        } catch (const BuilderEnd& end) {
            end_(end.exitCode);
        }
        busy_ = false;
        reportProblem();
        if (step == ScriptRunner::Step::Quit) end_(0);
        if (step == ScriptRunner::Step::Continue)
            QTimer::singleShot(0, [this] { runScriptStep(); });
    }

    void deliver(const WindowEvent& event) {
        // A dialog opened inside a turn takes the focus while the turn waits for it; the
        // turn's own keyboard examination then sees the keys go up.
        if (busy_ && event.kind == EventKind::FocusLost) builder_.keyboard.releaseAll();
        if (!accepting_ || ended_ || busy_) return;
        busy_ = true;
        try {
            if (!processWindowEvent(builder_, event)) end_(0);
        } catch (const BuilderEnd& end) {
            end_(end.exitCode);
        }
        busy_ = false;
    }

    void end_(int exitCode) {
        if (ended_) return;
        ended_ = true;
        endCode_ = exitCode;
        QApplication::exit(exitCode);
    }

    void reportProblem() {
        if (!runner_.problem().empty())
            std::fprintf(stderr, "DARA: %s\n", runner_.problem().c_str());
    }

    void finish() {
        crashingBuilder = nullptr;
        if (!options_.dump.empty() && !writeBuilderDump(builder_, options_.dump)) {
            std::fprintf(stderr, "DARA: cannot write the dump %s\n", options_.dump.c_str());
        }
        endBuilder(builder_);
    }

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

}  // namespace

int runDara(int argc, char** argv) {
    const DaraOptions options = parseDaraOptions(argumentsOf(argc, argv));
    if (!options.error.empty()) {
        std::fprintf(stderr, "DARA: %s\n\n%s", options.error.c_str(), daraUsage().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(daraUsage().c_str(), stdout);
        return 0;
    }
    std::vector<ScriptCommand> commands;
    if (!options.script.empty()) {
        const std::optional<std::string> text = media::readWholeFile(options.script);
        if (!text) {
            std::fprintf(stderr, "DARA: cannot read the script %s\n", options.script.c_str());
            return 2;
        }
        ParsedScript script = parseScript(*text);
        if (!script.error.empty()) {
            std::fprintf(stderr, "DARA: %s: %s\n", options.script.c_str(), script.error.c_str());
            return 2;
        }
        commands = std::move(script.commands);
    }
    if (options.headless) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Shell shell(options, std::move(commands));
    return shell.run();
}

}  // namespace builder::qt
