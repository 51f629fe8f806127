// The harness script: one command a line, each one window event or one answer for the
// next folder browser or question. Blank lines and lines starting with "#" are skipped.
//
//   mouse X Y | press left|right | release left|right | wheel N
//   key down|up|tap NAME          (DirectInput key names: LALT, G, PGUP, LEFT ...)
//   menu N                        (a tile-window menu command by number)
//   browse PATH | browse cancel   (the next folder browser)
//   answer yes|no                 (the next question)
//   tiles click X Y | tiles size W H | tiles close
//   dna edit ROW key|value TEXT | dna button SET|KILL | dna menu 110|109
//   screenshot FILE | dump FILE | fault | fault crash | quit
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace builder {

enum class ScriptVerb : std::uint8_t {
    Mouse,
    Press,
    Release,
    Wheel,
    KeyDown,
    KeyUp,
    KeyTap,
    Menu,
    Browse,
    Answer,
    TilesClick,
    TilesSize,
    TilesClose,
    DnaEdit,
    DnaButton,
    DnaMenu,
    Screenshot,
    Dump,
    Fault,
    Quit,
};

struct ScriptCommand {
    ScriptVerb verb = ScriptVerb::Quit;
    int a = 0;  // coordinates, sizes, a button (1 left, 2 right), a key code, a number
    int b = 0;
    std::string text;   // a file, a folder ("" = cancel), a field's text
    bool flag = false;  // answer yes; dna edit of the key field
    int lineNumber = 0;
};

struct ParsedScript {
    std::vector<ScriptCommand> commands;
    std::string error;  // "" when every line was understood
};

// One line; nullopt for a blank or comment line. Sets error when the line is not understood.
std::optional<ScriptCommand> parseScriptLine(std::string_view line, std::string& error);
ParsedScript parseScript(std::string_view text);

// Answers given by the script ahead of the dialog that takes them.
struct ScriptedAnswers {
    std::deque<std::string> folders;  // "" = cancel
    std::deque<bool> questions;       // true = yes
};

}  // namespace builder
