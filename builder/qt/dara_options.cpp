#include "builder/qt/dara_options.h"

#include <QCommandLineParser>
#include <QStringList>

#include "engine/base/text_values.h"

namespace builder {

namespace {
// The sprite screen holds width * height pixels: keep it to sizes a desktop can have.
constexpr int kMaxDesktopSide = 16384;

// The argument as written that named the unknown option (Qt gives the bare name).
std::string writtenAs(const std::vector<std::string>& arguments, const std::string& name) {
    for (const std::string& argument : arguments) {
        const std::size_t start = argument.find_first_not_of('-');
        if (start == 0 || start == std::string::npos) continue;
        const std::string written = argument.substr(start, argument.find('=') - start);
        if (written == name || (start == 1 && written.find(name) != std::string::npos)) {
            return argument;
        }
    }
    return "--" + name;
}

QCommandLineOption valueOption(const char* name, const char* valueName) {
    return QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName));
}
}  // namespace

DaraOptions parseDaraOptions(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption headless(QStringLiteral("headless"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption recover(QStringLiteral("recover"));
    const QCommandLineOption desktop = valueOption("desktop", "WxH");
    const QCommandLineOption script = valueOption("script", "FILE");
    const QCommandLineOption messageLog = valueOption("message-log", "FILE");
    const QCommandLineOption dump = valueOption("dump", "FILE");
    parser.addOptions({headless, help, recover, desktop, script, messageLog, dump});

    QStringList list{QStringLiteral("DARA")};
    for (const std::string& argument : arguments)
        list.append(QString::fromStdString(argument));

    DaraOptions options;
    for (const std::string& argument : arguments) {
        if (argument == "--") {  // Qt's end of options: this command line has no place for it
            options.error = "unknown option --";
            return options;
        }
    }
    if (!parser.parse(list)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            options.error = "unknown option " + writtenAs(arguments, unknown.front().toStdString());
        } else {
            // The one other refusal: an option without its value.
            options.error = parser.errorText().toStdString();
            for (const char* name : {"--desktop", "--script", "--message-log", "--dump"}) {
                if (options.error.find(name) != std::string::npos) {
                    options.error = std::string(name) + " needs a value";
                }
            }
        }
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = "unknown option " + parser.positionalArguments().front().toStdString();
        return options;
    }
    options.headless = parser.isSet(headless);
    options.help = parser.isSet(help);
    options.recover = parser.isSet(recover);
    options.script = parser.value(script).toStdString();
    options.messageLog = parser.value(messageLog).toStdString();
    options.dump = parser.value(dump).toStdString();
    if (parser.isSet(desktop)) {
        const std::string text = parser.value(desktop).toStdString();
        if (const auto size = base::parseSizeText(text, kMaxDesktopSide)) {
            options.desktop = DesktopSize{size->width, size->height};
        } else {
            options.error = "--desktop wants WIDTHxHEIGHT, not " + text;
        }
    }
    return options;
}

std::string daraUsage() {
    return "Usage: DARA [options]\n"
           "The map builder. It reads \\_DATA\\ini.txt below the working directory.\n"
           "\n"
           "  --headless           no windows on screen (Qt's offscreen platform); folder\n"
           "                       browsers and questions are answered by the script, message\n"
           "                       boxes with OK\n"
           "  --desktop WxH        the desktop size (default 1920x1080 headless, otherwise the\n"
           "                       primary screen)\n"
           "  --script FILE        play the commands of FILE as window events\n"
           "  --message-log FILE   append one JSON line per message box (caption, text, buttons)\n"
           "  --dump FILE          write the builder state as JSON at the end\n"
           "  --recover            open the newest undo snapshot (the work of a builder that\n"
           "                       was killed) as the work map\n"
           "  --help               this text\n"
           "\n"
           "Script commands are described in docs/builder.md.\n";
}

}  // namespace builder
