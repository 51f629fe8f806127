#include "builder/script.h"

#include <limits>

#include "engine/base/text_values.h"
#include "engine/media/files.h"
#include "engine/media/scancodes.h"

namespace builder {

namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Splits off the next blank-separated word.
std::string_view nextWord(std::string_view& rest) {
    rest = trim(rest);
    const auto end = rest.find_first_of(" \t");
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : trim(rest.substr(end));
    return word;
}

// A whole int, with an optional sign ('+' included).
bool toInt(std::string_view word, int& value) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    const auto parsed = base::parseStrictInteger(word, std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max());
    if (parsed) value = *parsed;
    return parsed.has_value();
}

bool twoInts(std::string_view& rest, ScriptCommand& command) {
    return toInt(nextWord(rest), command.a) && toInt(nextWord(rest), command.b) && rest.empty();
}

bool oneInt(std::string_view& rest, ScriptCommand& command) {
    return toInt(nextWord(rest), command.a) && rest.empty();
}

bool button(std::string_view word, ScriptCommand& command) {
    if (word == "left")
        command.a = 1;
    else if (word == "right")
        command.a = 2;
    else
        return false;
    return true;
}

bool parseTiles(std::string_view rest, ScriptCommand& command) {
    const std::string_view what = nextWord(rest);
    if (what == "click") {
        command.verb = ScriptVerb::TilesClick;
        return twoInts(rest, command);
    }
    if (what == "size") {
        command.verb = ScriptVerb::TilesSize;
        return twoInts(rest, command);
    }
    if (what == "close") {
        command.verb = ScriptVerb::TilesClose;
        return rest.empty();
    }
    return false;
}

bool parseDna(std::string_view rest, ScriptCommand& command) {
    const std::string_view what = nextWord(rest);
    if (what == "edit") {
        command.verb = ScriptVerb::DnaEdit;
        if (!toInt(nextWord(rest), command.a)) return false;
        const std::string_view field = nextWord(rest);
        if (field != "key" && field != "value") return false;
        command.flag = field == "key";
        command.text = std::string(rest);
        return true;
    }
    if (what == "button") {
        command.verb = ScriptVerb::DnaButton;
        const std::string_view which = nextWord(rest);
        command.text = std::string(which);
        return (which == "SET" || which == "KILL") && rest.empty();
    }
    if (what == "menu") {
        command.verb = ScriptVerb::DnaMenu;
        return oneInt(rest, command) && (command.a == 110 || command.a == 109);
    }
    return false;
}

bool parseKey(std::string_view rest, ScriptCommand& command) {
    const std::string_view how = nextWord(rest);
    if (how == "down")
        command.verb = ScriptVerb::KeyDown;
    else if (how == "up")
        command.verb = ScriptVerb::KeyUp;
    else if (how == "tap")
        command.verb = ScriptVerb::KeyTap;
    else
        return false;
    const std::string_view name = nextWord(rest);
    command.a = media::dikFromName(name);
    return command.a >= 0 && rest.empty();
}

bool parseCommand(std::string_view verb, std::string_view rest, ScriptCommand& command) {
    if (verb == "mouse") {
        command.verb = ScriptVerb::Mouse;
        return twoInts(rest, command);
    }
    if (verb == "press" || verb == "release") {
        command.verb = verb == "press" ? ScriptVerb::Press : ScriptVerb::Release;
        return button(nextWord(rest), command) && rest.empty();
    }
    if (verb == "wheel") {
        command.verb = ScriptVerb::Wheel;
        return oneInt(rest, command);
    }
    if (verb == "key") return parseKey(rest, command);
    if (verb == "menu") {
        command.verb = ScriptVerb::Menu;
        return oneInt(rest, command);
    }
    if (verb == "browse") {
        command.verb = ScriptVerb::Browse;
        if (rest.empty()) return false;
        command.text = rest == "cancel" ? std::string() : std::string(rest);
        return true;
    }
    if (verb == "answer") {
        command.verb = ScriptVerb::Answer;
        const std::string_view answer = nextWord(rest);
        command.flag = answer == "yes";
        return (answer == "yes" || answer == "no") && rest.empty();
    }
    if (verb == "tiles") return parseTiles(rest, command);
    if (verb == "dna") return parseDna(rest, command);
    if (verb == "screenshot" || verb == "dump") {
        command.verb = verb == "dump" ? ScriptVerb::Dump : ScriptVerb::Screenshot;
        command.text = std::string(rest);
        return !rest.empty();
    }
    if (verb == "fault") {
        command.verb = ScriptVerb::Fault;
        command.flag = rest == "crash";
        return rest.empty() || command.flag;
    }
    if (verb == "quit") {
        command.verb = ScriptVerb::Quit;
        return rest.empty();
    }
    return false;
}

}  // namespace

std::optional<ScriptCommand> parseScriptLine(std::string_view line, std::string& error) {
    std::string_view rest = trim(line);
    if (rest.empty() || rest.front() == '#') return std::nullopt;
    const std::string_view verb = nextWord(rest);
    ScriptCommand command;
    if (!parseCommand(verb, rest, command)) {
        error = "cannot read script line: " + std::string(trim(line));
        return std::nullopt;
    }
    return command;
}

ParsedScript parseScript(std::string_view text) {
    ParsedScript script;
    media::LineReader lines(text);
    int lineNumber = 0;
    while (!lines.atEnd()) {
        ++lineNumber;
        std::string error;
        std::optional<ScriptCommand> command = parseScriptLine(lines.next(), error);
        if (!error.empty()) {
            script.error = "line " + std::to_string(lineNumber) + ": " + error;
            return script;
        }
        if (command) {
            command->lineNumber = lineNumber;
            script.commands.push_back(std::move(*command));
        }
    }
    return script;
}

}  // namespace builder
