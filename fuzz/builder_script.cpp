// The builder's harness script on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "builder/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const builder::ParsedScript script = builder::parseScript(bytes);
    if (script.commands.size() > size) std::abort();  // at most one command a line
    int lastLine = 0;
    for (const builder::ScriptCommand& command : script.commands) {
        if (command.lineNumber <= lastLine) std::abort();  // in file order, one a line
        lastLine = command.lineNumber;
        if (command.text.size() > size) std::abort();
    }
    return 0;
}
