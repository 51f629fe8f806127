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
#include "builder/qt/dara_shell.h"
#include "engine/media/file_faults.h"
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
    // After the script is read: the faults are meant for the builder's own files.
    std::string faultError;
    if (!media::installFileFaultsFromEnvironment(faultError)) {
        std::fprintf(stderr, "DARA: %s\n", faultError.c_str());
        return 2;
    }
    if (options.headless) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    DaraShell shell(options, std::move(commands));
    installCrashHandlers(shell.builder(), options.headless);
    const int exitCode = shell.run();
    crashingBuilder = nullptr;
    return exitCode;
}

}  // namespace builder::qt
