#include "builder/script_runner.h"

#include <utility>

#include "builder/state_dump.h"
#include "engine/media/pictures.h"

namespace builder {

WindowOrigin windowOrigin(const BuilderState& state, WindowId window) {
    if (window == WindowId::Dna) return {state.desktopWidth / 4, 0};
    return {0, 0};
}

ScriptRunner::ScriptRunner(Builder& builder, ScriptedAnswers& answers,
                           std::vector<ScriptCommand> commands)
    : builder_(builder), answers_(answers), commands_(std::move(commands)) {}

WindowEvent ScriptRunner::pointerEvent(WindowId window, EventKind kind) const {
    const WindowOrigin origin = windowOrigin(builder_.builderState, window);
    WindowEvent event;
    event.window = window;
    event.kind = kind;
    event.desktopX = pointerX_;
    event.desktopY = pointerY_;
    event.x = pointerX_ - origin.x;
    event.y = pointerY_ - origin.y;
    return event;
}

bool ScriptRunner::deliver(const WindowEvent& event) {
    return processWindowEvent(builder_, event);
}

bool ScriptRunner::run(const ScriptCommand& command) {
    switch (command.verb) {
        case ScriptVerb::Mouse:
            pointerX_ = command.a;
            pointerY_ = command.b;
            return deliver(pointerEvent(WindowId::Main, EventKind::MouseMove));
        case ScriptVerb::Press:
        case ScriptVerb::Release: {
            WindowEvent event = pointerEvent(WindowId::Main, command.verb == ScriptVerb::Press
                                                                 ? EventKind::ButtonDown
                                                                 : EventKind::ButtonUp);
            event.button = command.a;
            return deliver(event);
        }
        case ScriptVerb::Wheel: {
            WindowEvent event = pointerEvent(WindowId::Main, EventKind::Wheel);
            event.wheel = command.a;
            return deliver(event);
        }
        case ScriptVerb::KeyDown:
        case ScriptVerb::KeyUp:
        case ScriptVerb::KeyTap: {
            WindowEvent event = pointerEvent(WindowId::Main, EventKind::KeyDown);
            event.key = command.a;
            if (command.verb != ScriptVerb::KeyUp && !deliver(event)) return false;
            if (command.verb == ScriptVerb::KeyDown) return true;
            event.kind = EventKind::KeyUp;
            return deliver(event);
        }
        case ScriptVerb::Menu: {
            WindowEvent event = pointerEvent(WindowId::Tiles, EventKind::Menu);
            event.command = command.a;
            return deliver(event);
        }
        case ScriptVerb::Browse:
            answers_.folders.push_back(command.text);
            return true;
        case ScriptVerb::Answer:
            answers_.questions.push_back(command.flag);
            return true;
        case ScriptVerb::TilesClick: {
            const WindowOrigin origin = windowOrigin(builder_.builderState, WindowId::Tiles);
            pointerX_ = origin.x + command.a;
            pointerY_ = origin.y + command.b;
            WindowEvent event = pointerEvent(WindowId::Tiles, EventKind::ButtonDown);
            event.button = 1;
            if (!deliver(event)) return false;
            event.kind = EventKind::ButtonUp;
            return deliver(event);
        }
        case ScriptVerb::TilesSize: {
            WindowEvent event = pointerEvent(WindowId::Tiles, EventKind::Resize);
            event.width = command.a;
            event.height = command.b;
            return deliver(event);
        }
        case ScriptVerb::TilesClose:
            return deliver(pointerEvent(WindowId::Tiles, EventKind::Close));
        case ScriptVerb::DnaEdit: {
            // Row n: key field DNA gadget base + n, value field twice the base + n.
            const int base = builder_.builderState.dnaGadgetBase;
            WindowEvent event = pointerEvent(WindowId::Dna, EventKind::Gadget);
            event.command = (command.flag ? base : 2 * base) + command.a;
            event.text = command.text;
            return deliver(event);
        }
        case ScriptVerb::DnaButton: {
            WindowEvent event = pointerEvent(WindowId::Dna, EventKind::Gadget);
            event.command = command.text == "SET" ? kDnaSetButton : kDnaKillButton;
            return deliver(event);
        }
        case ScriptVerb::DnaMenu: {
            WindowEvent event = pointerEvent(WindowId::Dna, EventKind::Menu);
            event.command = command.a;
            return deliver(event);
        }
        case ScriptVerb::Screenshot: {
            const media::Framebuffer& frame = builder_.screen.frame();
            media::Image image;
            image.width = frame.width;
            image.height = frame.height;
            image.pixels = frame.pixels;
            if (!media::writePng(command.text, image, false)) {
                problem_ = "cannot write the screenshot " + command.text;
            }
            return true;
        }
        case ScriptVerb::Dump:
            if (!writeBuilderDump(builder_, command.text)) {
                problem_ = "cannot write the dump " + command.text;
            }
            return true;
        case ScriptVerb::Fault: {
            WindowEvent event = pointerEvent(WindowId::Main, EventKind::Fault);
            event.command = command.flag ? 1 : 0;
            return deliver(event);
        }
        case ScriptVerb::Quit:
            return false;
    }
    return true;
}

ScriptRunner::Step ScriptRunner::runNext() {
    if (next_ >= commands_.size()) return Step::Finished;
    const ScriptCommand& command = commands_[next_++];
    problem_.clear();
    return run(command) ? Step::Continue : Step::Quit;
}

}  // namespace builder
