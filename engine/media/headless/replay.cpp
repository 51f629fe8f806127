#include "engine/media/headless/replay.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>

#include "engine/base/text_values.h"
#include "engine/media/files.h"

namespace media {
namespace {

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// A decimal number with an optional '-' (signed) or a decimal or 0x hex number (codes),
// at most INT_MAX in size.
std::optional<long long> parseNumber(std::string_view word, bool allowHex, bool allowSign) {
    constexpr long long kLargest = std::numeric_limits<int>::max();
    if (allowHex && word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        return base::parseStrictInteger(word.substr(2), 0LL, kLargest, 16);
    }
    return base::parseStrictInteger(word, allowSign ? -kLargest : 0LL, kLargest);
}

struct LineError {
    std::string text;
};

class LineParser {
  public:
    explicit LineParser(std::vector<std::string_view> words) : words_(std::move(words)) {}

    // The event of "T ..." (words_[0] is the turn).
    ReplayEvent parse() {
        ReplayEvent result;
        const auto turn = parseNumber(words_[0], false, false);
        if (!turn)
            fail("turn is not a number 0.." + std::to_string(std::numeric_limits<int>::max()) +
                 ": \"" + std::string(words_[0]) + "\"");
        result.turn = static_cast<int>(*turn);
        const std::string_view kind = word(1, "an event after the turn");
        if (kind == "key") {
            const bool down = upDown(2);
            result.event = {down ? InputEventType::KeyDown : InputEventType::KeyUp,
                            code(3, 0, kKeyCount - 1, "key code"), 0, 0};
            finish(4);
        } else if (kind == "mouse") {
            const std::string_view what = word(2, "move, at, down or up after \"mouse\"");
            if (what == "move" || what == "at") {
                result.event = {
                    what == "move" ? InputEventType::MouseMove : InputEventType::MouseAt, 0,
                    signedValue(3, "x"), signedValue(4, "y")};
                finish(5);
            } else if (what == "down" || what == "up") {
                result.event = {
                    what == "down" ? InputEventType::MouseDown : InputEventType::MouseUp,
                    code(3, 1, kMouseButtons - 1, "mouse button"), 0, 0};
                finish(4);
            } else {
                fail("expected move, at, down or up after \"mouse\", found \"" + std::string(what) +
                     "\"");
            }
        } else if (kind == "wheel") {
            result.event = {InputEventType::Wheel, 0, signedValue(2, "wheel steps"), 0};
            finish(3);
        } else if (kind == "joy") {
            const std::string_view what = word(2, "axis or button after \"joy\"");
            if (what == "axis") {
                const std::string_view axis = word(3, "x or y after \"axis\"");
                if (axis != "x" && axis != "y")
                    fail("expected x or y after \"axis\", found \"" + std::string(axis) + "\"");
                const int direction = signedValue(4, "axis direction");
                if (direction < -1 || direction > 1) fail("axis direction must be -1, 0 or 1");
                result.event = {axis == "x" ? InputEventType::JoyAxisX : InputEventType::JoyAxisY,
                                0, direction, 0};
                finish(5);
            } else if (what == "button") {
                const int button = code(3, 1, kJoystickButtons - 1, "joystick button");
                const bool down = upDown(4);
                result.event = {down ? InputEventType::JoyButtonDown : InputEventType::JoyButtonUp,
                                button, 0, 0};
                finish(5);
            } else {
                fail("expected axis or button after \"joy\", found \"" + std::string(what) + "\"");
            }
        } else if (kind == "focus") {
            const std::string_view flag = word(2, "0 or 1 after \"focus\"");
            if (flag != "0" && flag != "1")
                fail("expected 0 or 1 after \"focus\", found \"" + std::string(flag) + "\"");
            result.event = {InputEventType::Focus, 0, flag == "1" ? 1 : 0, 0};
            finish(3);
        } else {
            fail("unknown event \"" + std::string(kind) + "\" (key, mouse, wheel, joy or focus)");
        }
        return result;
    }

  private:
    [[noreturn]] static void fail(std::string text) { throw LineError{std::move(text)}; }

    std::string_view word(std::size_t index, const char* expected) const {
        if (index >= words_.size()) fail(std::string("missing ") + expected);
        return words_[index];
    }

    bool upDown(std::size_t index) const {
        const std::string_view w = word(index, "down or up");
        if (w != "down" && w != "up") fail("expected down or up, found \"" + std::string(w) + "\"");
        return w == "down";
    }

    int code(std::size_t index, int low, int high, const char* what) const {
        const std::string_view w = word(index, what);
        const auto value = parseNumber(w, true, false);
        if (!value || *value < low || *value > high) {
            fail(std::string(what) + " must be " + std::to_string(low) + ".." +
                 std::to_string(high) + " (decimal or 0x hex), found \"" + std::string(w) + "\"");
        }
        return static_cast<int>(*value);
    }

    int signedValue(std::size_t index, const char* what) const {
        const std::string_view w = word(index, what);
        const auto value = parseNumber(w, false, true);
        if (!value) fail(std::string(what) + " is not a whole number: \"" + std::string(w) + "\"");
        return static_cast<int>(*value);
    }

    void finish(std::size_t count) const {
        if (words_.size() > count)
            fail("unexpected \"" + std::string(words_[count]) + "\" at the end");
    }

    std::vector<std::string_view> words_;
};

}  // namespace

bool parseReplay(std::string_view text, Replay& replay, std::string& error) {
    Replay parsed;
    std::size_t lineNumber = 0;
    LineReader lines(text);
    while (!lines.atEnd()) {
        std::string_view line = lines.next();
        ++lineNumber;
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
            line = line.substr(0, hash);
        }
        std::vector<std::string_view> words = splitWords(line);
        if (words.empty()) continue;
        if (words[0] == "joystick") {
            if (words.size() == 2 && words[1] == "present") {
                parsed.joystickPresent = true;
                continue;
            }
            error = "line " + std::to_string(lineNumber) + ": expected \"joystick present\"";
            return false;
        }
        try {
            parsed.events.push_back(LineParser(std::move(words)).parse());
        } catch (const LineError& bad) {
            error = "line " + std::to_string(lineNumber) + ": " + bad.text;
            return false;
        }
    }
    // Turns may be written in any order; within a turn the file's order is kept.
    std::stable_sort(parsed.events.begin(), parsed.events.end(),
                     [](const ReplayEvent& a, const ReplayEvent& b) { return a.turn < b.turn; });
    replay = std::move(parsed);
    return true;
}

bool loadReplay(const std::string& hostPath, Replay& replay, std::string& error) {
    std::ifstream in(hostPath, std::ios::binary);
    if (!in) {
        error = hostPath + ": cannot read the replay file";
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (!parseReplay(content.str(), replay, error)) {
        error = hostPath + ": " + error;
        return false;
    }
    return true;
}

std::string formatReplayLine(int turn, const InputEvent& event) {
    const std::string t = std::to_string(turn) + " ";
    auto hexCode = [](int code) {
        std::array<char, 16> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "0x%02X", static_cast<unsigned>(code) & 0xFFu);
        return std::string(buffer.data());
    };
    auto n = [](int value) { return std::to_string(value); };
    switch (event.type) {
        case InputEventType::KeyDown:
            return t + "key down " + hexCode(event.code);
        case InputEventType::KeyUp:
            return t + "key up " + hexCode(event.code);
        case InputEventType::MouseMove:
            return t + "mouse move " + n(event.a) + " " + n(event.b);
        case InputEventType::MouseAt:
            return t + "mouse at " + n(event.a) + " " + n(event.b);
        case InputEventType::MouseDown:
            return t + "mouse down " + n(event.code);
        case InputEventType::MouseUp:
            return t + "mouse up " + n(event.code);
        case InputEventType::Wheel:
            return t + "wheel " + n(event.a);
        case InputEventType::JoyAxisX:
            return t + "joy axis x " + n(event.a);
        case InputEventType::JoyAxisY:
            return t + "joy axis y " + n(event.a);
        case InputEventType::JoyButtonDown:
            return t + "joy button " + n(event.code) + " down";
        case InputEventType::JoyButtonUp:
            return t + "joy button " + n(event.code) + " up";
        case InputEventType::Focus:
            return t + "focus " + (event.a != 0 ? "1" : "0");
        case InputEventType::Quit:
            break;
    }
    return "";
}

void ReplayCursor::take(std::vector<InputEvent>& events) {
    while (next_ < replay_.events.size() && replay_.events[next_].turn <= turn_) {
        events.push_back(replay_.events[next_].event);
        ++next_;
    }
}

ReplayRecorder::~ReplayRecorder() {
    close();
}

bool ReplayRecorder::open(const std::string& hostPath, std::string& error) {
    close();
    failed_ = false;
    file_ = std::fopen(hostPath.c_str(), "wb");
    if (file_ == nullptr) {
        error = hostPath + ": cannot create the record file";
        return false;
    }
    return true;
}

void ReplayRecorder::recordJoystickPresent() {
    writeLine("joystick present");
}

void ReplayRecorder::record(int turn, const InputEvent& event) {
    const std::string line = formatReplayLine(turn, event);
    if (!line.empty()) writeLine(line);
}

void ReplayRecorder::comment(std::string_view text) {
    writeLine("# " + std::string(text));
}

void ReplayRecorder::writeLine(std::string_view line) {
    if (file_ == nullptr) return;
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
        std::fputc('\n', file_) == EOF) {
        failed_ = true;
    }
}

bool ReplayRecorder::close() {
    if (file_ == nullptr) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

}  // namespace media
